#pragma once

#include "support/PipeReader.h"

#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

namespace testing_support {

// What may stand where the program expects one of its files:
// - Pipe: a named pipe with nobody at its other end (opening it to read waits for a writer);
// - PipeWithReader: a named pipe that another process reads (opening it to write does not wait,
//   and whatever is written goes through);
// - ZeroDevice: a link to a device that reads zeros without end; the device is a node of the
//   test's own beside the path where the system lets the test make one, so that a writer that
//   renames a file over it replaces nothing of the machine's, else /dev/zero;
// - Folder: an empty folder.
enum class NonFile { Pipe, PipeWithReader, ZeroDevice, Folder };

inline const auto kNonFiles =
    testing::Values(NonFile::Pipe, NonFile::PipeWithReader, NonFile::ZeroDevice, NonFile::Folder);
std::string nonFileName(NonFile kind);
void PrintTo(NonFile kind, std::ostream* out);

// The thing at the path, while the object lives.
class NonFileAt {
public:
    NonFileAt(NonFile kind, const QString& path);
    NonFileAt(const NonFileAt&) = delete;
    NonFileAt& operator=(const NonFileAt&) = delete;

    // False when the system refused to make it.
    bool made() const { return m_made; }
    // Whether the path still holds that very thing as it was made: nothing took its place, and
    // nothing was written into it.
    bool unchanged();

private:
    NonFile m_kind;
    QString m_path;
    bool m_made = false;
    std::unique_ptr<PipeReader> m_reader;
};

// Runs the step; when it has not ended within a few seconds the test program reports it and ends
// at once: a read that waits on a pipe, or one that never ends on a device, would otherwise hold
// the test run for good.
void withinDeadline(const std::string& what, const std::function<void()>& step);

} // namespace testing_support
