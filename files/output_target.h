#pragma once
// Whether an output may be written at all: an output that is the same file as something the run
// read (a project given on the command line, the project open in the window) would destroy what
// it was made from, and an export written over a project file loses the project. Both are refused
// before anything is written. Devices, pipes and "-" are written into and never refused here.
#include "i18n/texts.h"

#include <optional>
#include <string>
#include <vector>

namespace tv {

/// Why an output is refused; `input` is the file it would have replaced (for ReplacesProject,
/// the output itself).
struct OutputRefusal {
    enum class Reason { IsInput, ReplacesProject };
    Reason reason = Reason::IsInput;
    std::string output;
    std::string input;
};

/// What is written: a project (saved over its own file by design) or an export (CSV, AVL, PDF),
/// which never replaces a project file.
enum class OutputKind { Project, Export };

/// The refusal of writing `output` in a run that read `inputs`, or nothing when it may be
/// written. Names are compared as the files they resolve to (links followed, the same file under
/// two names found by device and inode); an output that does not exist yet is never refused. An
/// export is also refused over an existing file that reads as a Tarvolin4 project, so that a
/// forgotten output name never takes the project's place. The project being saved is not an
/// input of its own save: pass the files read besides it.
std::optional<OutputRefusal> outputRefusal(const std::string& output, const std::vector<std::string>& inputs,
                                           OutputKind kind);

/// The message of a refusal in `lang`, naming the output and the file it would have replaced.
std::string outputRefusalText(UiLanguage lang, const OutputRefusal& refusal);

} // namespace tv
