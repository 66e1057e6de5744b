#include "database.h"

#include <crypt.h>
#include <sqlite3.h>

#include <stdexcept>

namespace tavolex::server {

// One prepared statement, reset after each use.
class Database::Statement {
  public:
    Statement(sqlite3* db, const char* sql) : db_(db) {
        if (sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr) !=
            SQLITE_OK) {
            throw std::runtime_error(sqlite3_errmsg(db));
        }
    }
    ~Statement() { sqlite3_finalize(stmt_); }

    Statement& Bind(int index, std::string_view text) {
        sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT);
        return *this;
    }
    Statement& Bind(int index, int value) {
        sqlite3_bind_int(stmt_, index, value);
        return *this;
    }
    // True while a row is there.
    bool Step() {
        const int result = sqlite3_step(stmt_);
        if (result == SQLITE_ROW) return true;
        if (result != SQLITE_DONE) {
            const std::string error = sqlite3_errmsg(db_);
            Reset();
            throw std::runtime_error(error);
        }
        return false;
    }
    std::string Text(int column) {
        const auto* text = sqlite3_column_text(stmt_, column);
        return text ? reinterpret_cast<const char*>(text) : "";
    }
    int Int(int column) { return sqlite3_column_int(stmt_, column); }
    void Reset() {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }

  private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

Database::Database(const std::string& path) {
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        const std::string error = db_ ? sqlite3_errmsg(db_) : "cannot open";
        sqlite3_close(db_);
        throw std::runtime_error(path + ": " + error);
    }
    sqlite3_busy_timeout(db_, 2000);
    // The write-ahead log with NORMAL syncing keeps every committed row when the process is
    // killed; only a power cut may lose the last transactions.
    Execute("PRAGMA journal_mode=WAL");
    Execute("PRAGMA synchronous=NORMAL");
    Execute(
        "CREATE TABLE IF NOT EXISTS accounts (nickname TEXT PRIMARY KEY COLLATE NOCASE, "
        "password_hash TEXT NOT NULL, created TEXT NOT NULL, last_login TEXT, "
        "banned INTEGER NOT NULL DEFAULT 0)");
    Execute(
        "CREATE TABLE IF NOT EXISTS matches (id INTEGER PRIMARY KEY, nickname1 TEXT NOT NULL, "
        "score1 INTEGER NOT NULL, nickname2 TEXT NOT NULL, score2 INTEGER NOT NULL, "
        "gametype INTEGER NOT NULL, reported TEXT NOT NULL)");
    findAccount_ = Prepare(
        "SELECT nickname, password_hash, created, coalesce(last_login, ''), banned FROM accounts "
        "WHERE nickname = ?1");
    createAccount_ = Prepare(
        "INSERT OR IGNORE INTO accounts (nickname, password_hash, created) "
        "VALUES (?1, ?2, datetime('now'))");
    recordLogin_ = Prepare("UPDATE accounts SET last_login = datetime('now') WHERE nickname = ?1");
    setBanned_ = Prepare("UPDATE accounts SET banned = ?2 WHERE nickname = ?1");
    addMatch_ = Prepare(
        "INSERT INTO matches (nickname1, score1, nickname2, score2, gametype, reported) "
        "VALUES (?1, ?2, ?3, ?4, ?5, datetime('now'))");
    latestMatches_ = Prepare(
        "SELECT nickname1, score1, nickname2, score2, gametype, reported FROM matches "
        "ORDER BY id DESC LIMIT ?1");
}

Database::~Database() {
    findAccount_.reset();
    createAccount_.reset();
    recordLogin_.reset();
    setBanned_.reset();
    addMatch_.reset();
    latestMatches_.reset();
    sqlite3_close(db_);
}

std::unique_ptr<Database::Statement> Database::Prepare(const char* sql) {
    return std::make_unique<Statement>(db_, sql);
}

void Database::Execute(const char* sql) {
    Statement statement(db_, sql);
    while (statement.Step()) {
    }
}

std::optional<Account> Database::FindAccount(std::string_view nickname) {
    Statement& s = findAccount_->Bind(1, nickname);
    std::optional<Account> account;
    if (s.Step()) account = Account{s.Text(0), s.Text(1), s.Text(2), s.Text(3), s.Int(4) != 0};
    s.Reset();
    return account;
}

namespace {

// SHA-512 crypt with a fresh random salt. The rounds are kept low: the lobby's password is one
// fixed word for every client, so the hash guards nothing worth slowing each login for.
std::string HashPassword(std::string_view password) {
    char setting[CRYPT_GENSALT_OUTPUT_SIZE];
    if (!crypt_gensalt_rn("$6$", 1000, nullptr, 0, setting, sizeof setting))
        throw std::runtime_error("cannot make a password salt");
    crypt_data data{};
    const char* hash = crypt_rn(std::string(password).c_str(), setting, &data, sizeof data);
    if (!hash || hash[0] == '*') throw std::runtime_error("cannot hash a password");
    return hash;
}

}  // namespace

bool Database::CreateAccount(std::string_view nickname, std::string_view password) {
    Statement& s = createAccount_->Bind(1, nickname).Bind(2, HashPassword(password));
    s.Step();
    s.Reset();
    return sqlite3_changes(db_) == 1;
}

bool Database::PasswordMatches(const Account& account, std::string_view password) {
    crypt_data data{};
    const char* hash =
        crypt_rn(std::string(password).c_str(), account.passwordHash.c_str(), &data, sizeof data);
    return hash && account.passwordHash == hash;
}

void Database::RecordLogin(std::string_view nickname) {
    Statement& s = recordLogin_->Bind(1, nickname);
    s.Step();
    s.Reset();
}

void Database::SetBanned(std::string_view nickname, bool banned) {
    Statement& s = setBanned_->Bind(1, nickname).Bind(2, banned ? 1 : 0);
    s.Step();
    s.Reset();
}

void Database::AddMatch(const MatchReport& match) {
    Statement& s = addMatch_->Bind(1, match.nickname1)
                       .Bind(2, match.score1)
                       .Bind(3, match.nickname2)
                       .Bind(4, match.score2)
                       .Bind(5, match.gameType);
    s.Step();
    s.Reset();
}

std::vector<MatchReport> Database::LatestMatches(int count) {
    Statement& s = latestMatches_->Bind(1, count);
    std::vector<MatchReport> matches;
    while (s.Step())
        matches.push_back({s.Text(0), s.Int(1), s.Text(2), s.Int(3), s.Int(4), s.Text(5)});
    s.Reset();
    return matches;
}

}  // namespace tavolex::server
