// TCachedQuery: a prepared lookup statement that is re-run only when the key asked for
// differs from the key of its current result, so bursts of questions about one class, unit
// or member cost one database query. RunCount tells how often the statement really ran.
#pragma once

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dbengine.h"

namespace qm {

struct TLookupKey {
    int ID = 0;
    std::string Name;  // upper case
    bool operator==(const TLookupKey&) const = default;
};

// What every cached lookup offers whatever its row type.
class TCachedQueryBase {
public:
    virtual ~TCachedQueryBase() = default;
    // Attaches the query to a database (or to none); the statement is prepared at its first use.
    virtual void Attach(SQLite::Database* Database) = 0;
    // Drops the current result: the next Open runs the statement whatever its key.
    virtual void Close() = 0;
    int RunCount() const { return FRunCount; }

protected:
    int FRunCount = 0;
};

template <class TRow>
class TCachedQuery final : public TCachedQueryBase {
public:
    using TReader = TRow (*)(SQLite::Statement&);
    enum : int { BindID = 1, BindName = 2 };

    TCachedQuery(std::string Sql, int Binds, TReader Reader)
        : FSql(std::move(Sql)), FBinds(Binds), FReader(Reader) {}

    void Attach(SQLite::Database* Database) override {
        Close();
        FStatement.reset();
        FDatabase = Database;
    }

    const std::vector<TRow>& Open(const TLookupKey& Key) {
        if (FKey && *FKey == Key) return FRows;
        if (!FDatabase) DatabaseNotOpen();
        Engine(FDatabase, [&] {
            if (!FStatement) FStatement = std::make_unique<SQLite::Statement>(*FDatabase, FSql);
            SQLite::Statement& s = *FStatement;
            s.reset();
            int n = 0;
            if (FBinds & BindID) s.bind(++n, Key.ID);
            if (FBinds & BindName) s.bind(++n, Key.Name);
            FRows.clear();
            while (s.executeStep()) FRows.push_back(FReader(s));
            s.reset();
        });
        FKey = Key;
        ++FRunCount;
        return FRows;
    }

    void Close() override {
        FKey.reset();
        FRows.clear();
    }

    bool IsOpen() const { return FKey.has_value(); }
    const std::vector<TRow>& Rows() const { return FRows; }
private:
    std::string FSql;
    int FBinds;
    TReader FReader;
    SQLite::Database* FDatabase = nullptr;
    std::unique_ptr<SQLite::Statement> FStatement;
    std::optional<TLookupKey> FKey;
    std::vector<TRow> FRows;
};

}  // namespace qm
