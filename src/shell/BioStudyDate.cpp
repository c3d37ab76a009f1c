#include "shell/BioStudyDate.h"

namespace shell {
namespace {

StudyDateSource& source() {
    static StudyDateSource current;
    return current;
}

} // namespace

void setBioStudyDateSource(StudyDateSource s) {
    source() = std::move(s);
}

std::optional<runtime::DateValue> bioWindowStudyDate() {
    return source() ? source()() : std::nullopt;
}

} // namespace shell
