// The refresh command: TUnitRefresher's report as records.
#include "refreshcmd.h"

#include <ostream>
#include <string>

#include "errors.h"
#include "recordtext.h"
#include "refresh.h"

namespace qm {

void RefreshCommand(TVCLDB& Db, const std::vector<int>& Units, std::ostream& Out) {
    const TRefreshReport report = TUnitRefresher(Db).Refresh(Units);
    for (const TRefreshRecord& r : report.Records) {
        const std::string id = std::to_string(r.UnitID);
        if (r.Kind == TRefreshRecord::Reread) Out << Record({"re-read", id, r.Name, r.Path});
        else Out << Record({r.Kind == TRefreshRecord::Gone ? "gone" : "failed", id, r.Name, r.Path, r.Reason});
    }
    Out << Record({std::to_string(report.Checked), std::to_string(report.Count(TRefreshRecord::Reread)),
                   std::to_string(report.Count(TRefreshRecord::Gone)), std::to_string(report.Count(TRefreshRecord::Failed)),
                   report.Summary()});
    if (report.Failed()) throw EAbort();
}

}  // namespace qm
