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

} // namespace

OutputRule::OutputRule(const std::vector<std::string>& inputs, OutputKind kind) : kind_(kind) {
    for (const std::string& input : inputs)
        if (const std::optional<struct stat> in = regularFileOf(input)) inputs_.push_back({input, in->st_dev, in->st_ino});
}

std::optional<OutputRefusal> OutputRule::refusalOfFile(const std::string& output, const std::string& file) const {
    const std::optional<struct stat> target = regularFileOf(file);
    if (!target) return std::nullopt;
    for (const Input& in : inputs_)
        if (in.dev == target->st_dev && in.ino == target->st_ino)
            return OutputRefusal{OutputRefusal::Reason::IsInput, output, in.name};
    if (kind_ == OutputKind::Export && isProjectFile(file))
        return OutputRefusal{OutputRefusal::Reason::ReplacesProject, output, output};
    return std::nullopt;
}

std::optional<OutputRefusal> OutputRule::refusal(const std::string& output) const {
    if (output != kStandardOutputName && !descriptorNamedBy(output) && namesFolder(output))
        return OutputRefusal{OutputRefusal::Reason::Folder, output, output};
    return refusalOfFile(output, output);
}

ReplaceCheck OutputRule::atWriting(const std::string& output, UiLanguage lang) const {
    return [rule = *this, output, lang](const std::string& target) -> std::optional<FileError> {
        const std::optional<OutputRefusal> refusal = rule.refusalOfFile(output, target);
        if (!refusal) return std::nullopt;
        FileError e{output, "refused"};
        e.sentence = outputRefusalText(lang, *refusal);
        return e;
    };
}

std::optional<OutputRefusal> outputRefusal(const std::string& output, const std::vector<std::string>& inputs,
                                           OutputKind kind) {
    return OutputRule(inputs, kind).refusal(output);
}

std::string outputRefusalText(UiLanguage lang, const OutputRefusal& refusal) {
    switch (refusal.reason) {
    case OutputRefusal::Reason::IsInput: return outputIsInputText(lang, refusal.output, refusal.input);
    case OutputRefusal::Reason::ReplacesProject: return exportOverProjectText(lang, refusal.output);
    case OutputRefusal::Reason::Folder: break;
    }
    return outputIsFolderText(lang, refusal.output);
}

} // namespace tv
