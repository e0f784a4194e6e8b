#include "files/output_target.h"

#include "files/fileio.h"
#include "files/projectfile.h"
#include "i18n/export_texts.h"

#include <sys/stat.h>

namespace tv {

namespace {

/// The regular file a name resolves to, links followed; nothing for a missing name, a device or
/// a pipe (those are written into, never replaced).
std::optional<struct stat> regularFileOf(const std::string& path) {
    struct stat st {};
    if (path.empty() || path == kStandardOutputName || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return st;
}

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

} // namespace

std::optional<OutputRefusal> outputRefusal(const std::string& output, const std::vector<std::string>& inputs,
                                           OutputKind kind) {
    const std::optional<struct stat> target = regularFileOf(output);
    if (!target) return std::nullopt;
    for (const std::string& input : inputs) {
        const std::optional<struct stat> in = regularFileOf(input);
        if (in && sameFile(*in, *target)) return OutputRefusal{OutputRefusal::Reason::IsInput, output, input};
    }
    if (kind == OutputKind::Export && readProjectFile(output).ok())
        return OutputRefusal{OutputRefusal::Reason::ReplacesProject, output, output};
    return std::nullopt;
}

std::string outputRefusalText(UiLanguage lang, const OutputRefusal& refusal) {
    return refusal.reason == OutputRefusal::Reason::IsInput ? outputIsInputText(lang, refusal.output, refusal.input)
                                                            : exportOverProjectText(lang, refusal.output);
}

} // namespace tv
