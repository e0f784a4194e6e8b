#pragma once
// Whether an output may be written at all: an output that is the same file as something the run
// read (a project given on the command line, the project open in the window) would destroy what
// it was made from, and an export written over a project file loses the project. Both are refused
// before anything is written, and again when the bytes are written (what a name resolves to may
// change during a long calculation). Devices, pipes and "-" are written into and never refused
// here; a folder is no file to write and is refused.
#include "files/fileio.h"
#include "i18n/texts.h"

#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace tv {

/// Why an output is refused; `input` is the file it would have replaced (for ReplacesProject and
/// Folder, the output itself).
struct OutputRefusal {
    enum class Reason { IsInput, ReplacesProject, Folder };
    Reason reason = Reason::IsInput;
    std::string output;
    std::string input;
};

/// What is written: a project (saved over its own file by design) or an export (CSV, AVL, PDF),
/// which never replaces a project file.
enum class OutputKind { Project, Export };

/// The rule of one run: the inputs' identities (device and inode) are taken when the rule is made,
/// so that the check at writing compares with the files that were read.
class OutputRule {
public:
    OutputRule(const std::vector<std::string>& inputs, OutputKind kind);
    /// The refusal of writing `output` now (see outputRefusal), or nothing.
    std::optional<OutputRefusal> refusal(const std::string& output) const;
    /// The check the writers ask just before replacing (files/fileio.h): the rule applied to the
    /// file the name `output` resolves to then; its error is the refusal's text in `lang`.
    ReplaceCheck atWriting(const std::string& output, UiLanguage lang) const;

private:
    struct Input {
        std::string name;
        dev_t dev;
        ino_t ino;
    };
    std::optional<OutputRefusal> refusalOfFile(const std::string& output, const std::string& file) const;
    std::vector<Input> inputs_;
    OutputKind kind_;
};

/// The refusal of writing `output` in a run that read `inputs`, or nothing when it may be
/// written. A folder, or a name ending in "/", is refused (Folder). Names are compared as the files they resolve to (links followed, the same file under
/// two names found by device and inode); an output that does not exist yet is never refused. An
/// export is also refused over an existing file that is a Tarvolin4 project (isProjectFile), so
/// that a forgotten output name never takes the project's place. The project being saved is not an
/// input of its own save: pass the files read besides it.
std::optional<OutputRefusal> outputRefusal(const std::string& output, const std::vector<std::string>& inputs,
                                           OutputKind kind);

/// The message of a refusal in `lang`, naming the output and the file it would have replaced.
std::string outputRefusalText(UiLanguage lang, const OutputRefusal& refusal);

} // namespace tv
