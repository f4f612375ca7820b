// "hierarchy CLASS --svg FILE | --pdf FILE [--implementers]": the picture of a class's ancestors and
// descendants; with --implementers also the interfaces its classes implement (or, for an interface,
// the classes implementing its interfaces) joined to them by dashed lines.
// PDF pages are drawn with Qt: the caller provides a QGuiApplication.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace qm {

// Returns the exit status: 0 written, 1 an error reported on Err, 2 a usage error.
int RunHierarchyCommand(const std::string& DbPath, const std::vector<std::string>& Args, std::ostream& Out,
                        std::ostream& Err);

}  // namespace qm
