#include "forms/Forms.h"

#include "runtime/EventLoop.h"

#include <utility>

namespace forms {

Forms& Forms::instance() {
    static Forms forms;
    return forms;
}

Forms::Forms() {
    runtime::setAfterNestedEvents([this] { deleteRetired(); });
}

void Forms::registerFactory(const QString& name, Factory factory) {
    m_factories[name] = std::move(factory);
}

bool Forms::isKnown(const QString& name) const {
    return m_factories.count(name) > 0;
}

Form* Forms::find(const QString& name) const {
    for (const QPointer<Form>& form : m_loaded) {
        if (form && form->formName() == name) {
            return form;
        }
    }
    return nullptr;
}

Form* Forms::load(const QString& name) {
    if (Form* form = find(name)) {
        return form;
    }
    const auto factory = m_factories.find(name);
    if (factory == m_factories.end()) {
        return nullptr;
    }
    const QPointer<Form> form = factory->second();
    form->Load();
    return form && form->isLoaded() ? form.data() : nullptr;
}

QList<Form*> Forms::loaded() const {
    QList<Form*> forms;
    for (const QPointer<Form>& form : m_loaded) {
        if (form) {
            forms << form;
        }
    }
    return forms;
}

bool Forms::unload(const QString& name) {
    Form* form = find(name);
    return form ? form->Unload() : true;
}

void Forms::reset() {
    const QList<Form*> forms = loaded();
    m_loaded.clear();
    for (Form* form : forms) {
        delete form;
    }
    deleteRetired();
}

void Forms::added(Form* form) {
    if (!m_loaded.contains(form)) {
        m_loaded.append(form);
    }
}

void Forms::removed(Form* form) {
    m_loaded.removeAll(form);
}

void Forms::retire(Form* form) {
    if (runtime::nestedEventsRunning()) {
        m_retired.append(form);
    } else {
        form->deleteLater();
    }
}

void Forms::deleteRetired() {
    const QList<QPointer<Form>> retired = std::exchange(m_retired, {});
    for (const QPointer<Form>& form : retired) {
        if (form) {
            form->deleteLater();
        }
    }
}

} // namespace forms
