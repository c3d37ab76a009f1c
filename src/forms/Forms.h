#pragma once

#include "forms/Form.h"

#include <QList>
#include <QPointer>
#include <QString>

#include <functional>
#include <map>

namespace forms {

// The collection of loaded windows, in load order, at most one of each name.
class Forms {
public:
    using Factory = std::function<Form*()>;

    static Forms& instance();

    // Makes a window known by name, so that a name (a setting) can load it.
    void registerFactory(const QString& name, Factory factory);
    bool isKnown(const QString& name) const;

    // The loaded window of that name, loading it first when needed; nullptr for an unknown name
    // and for a window that was unloaded again during its own load (its load lets events run).
    Form* load(const QString& name);
    Form* find(const QString& name) const;
    bool isLoaded(const QString& name) const { return find(name) != nullptr; }
    QList<Form*> loaded() const;

    // Unloads the window of that name when it is loaded (its Form_Unload may cancel).
    bool unload(const QString& name);

    // Typed access, as load: T has a static `kName` and a default constructor.
    template <class T> T* get() {
        if (!isKnown(T::kName)) {
            registerFactory(T::kName, [] { return new T; });
        }
        return static_cast<T*>(load(T::kName));
    }
    template <class T> T* findForm() const { return static_cast<T*>(find(T::kName)); }

    // Forgets every window without running handlers (tests start from nothing).
    void reset();

private:
    friend class Form;
    Forms();
    void added(Form* form);
    void removed(Form* form);
    // An unloaded window is deleted when control is back in the event loop; while events run
    // nested (a yield, a modal box) its code or Qt's may still be on the stack, so it waits for
    // the outermost of them to end.
    void retire(Form* form);
    void deleteRetired();

    std::map<QString, Factory> m_factories;
    QList<QPointer<Form>> m_loaded;
    QList<QPointer<Form>> m_retired;
};

} // namespace forms
