#include "import/hamster.h"

#include "billing/tags.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include "billing/tags.h"
#include "dates/local_time.h"

namespace tw {
namespace {

// "YYYY-MM-DD HH:MM:SS", local time, as Hamster keeps its times.
std::optional<std::int64_t> LocalMoment(const QString& text) {
  const QDateTime t = QDateTime::fromString(text.left(19), "yyyy-MM-dd HH:mm:ss");
  if (!t.isValid()) return std::nullopt;
  const QDate d = t.date();
  const QTime h = t.time();
  return InstantOfLocal(MakeDateTime({d.year(), d.month(), d.day()}, h.hour(), h.minute(), h.second()));
}

}  // namespace

ImportRead ReadHamster(const std::string& path) {
  ImportRead read;
  const QString connection = QUuid::createUuid().toString();
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection);
    db.setDatabaseName(QString::fromStdString(path));
    // Hamster holds its database's lock only while it writes: a short wait, then the answer, rather
    // than SQLite's five seconds.
    db.setConnectOptions("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=300");
    QSqlQuery query(db);
    if (!db.open()) {
      read.refusal = "the database cannot be opened: " + db.lastError().databaseText().toStdString();
    } else if (!query.exec("SELECT f.id, f.start_time, f.end_time, f.description, a.name, c.name, "
                           "(SELECT group_concat(t.name, char(31)) FROM fact_tags ft JOIN tags t ON t.id = ft.tag_id "
                           "WHERE ft.fact_id = f.id) "
                           "FROM facts f LEFT JOIN activities a ON a.id = f.activity_id "
                           "LEFT JOIN categories c ON c.id = a.category_id ORDER BY f.start_time")) {
      // SQLite's codes: 5 busy and 6 locked (another program writes), 26 not a database.
      const QString code = query.lastError().nativeErrorCode();
      read.refusal = code == "5" || code == "6" ? "the database is locked: another program (Hamster?) is writing to it; try again in a moment"
                     : code == "26"             ? "it is not a Hamster database (it is no SQLite database)"
                                                : "it is not a Hamster database (no facts, activities and categories)";
    } else {
      while (query.next()) {
        const std::string place = "fact " + query.value(0).toString().toStdString();
        const auto start = LocalMoment(query.value(1).toString());
        const auto end = LocalMoment(query.value(2).toString());
        const QString activity = query.value(4).toString(), category = query.value(5).toString();
        std::string comment = query.value(3).toString().toStdString();
        // The fact's tags, each whole (a Hamster tag may hold blanks), as the comment's tag words.
        std::vector<std::string> tags;
        for (const QString& tag : query.value(6).toString().split(QChar(31), Qt::SkipEmptyParts))
          tags.push_back(tag.toStdString());
        comment = WithTags(comment, tags);
        if (!start) read.unreadable.push_back({place, "its start is not a time"});
        else if (query.value(2).isNull() || query.value(2).toString().isEmpty()) read.unreadable.push_back({place, "it is still running (no end)"});
        else if (!end) read.unreadable.push_back({place, "its end is not a time"});
        else if (activity.isEmpty()) read.unreadable.push_back({place, "it names no activity"});
        else if (*end < *start) read.unreadable.push_back({place, "it ends before it starts"});
        else
          read.Take({(category.isEmpty() ? activity : activity + "@" + category).toStdString(), *start, *end, comment});
      }
    }
  }
  QSqlDatabase::removeDatabase(connection);
  return read;
}

}  // namespace tw
