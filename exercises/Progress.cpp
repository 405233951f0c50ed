#include "exercises/Progress.h"

#include "catalogue/ProblemCatalogue.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <cmath>
#include <optional>

namespace {

const QString triedKey = QStringLiteral("tentados");
const QString firstTryKey = QStringLiteral("primeiraTentativa");
const QString streakKey = QStringLiteral("sequencia");

// How long a save waits for another copy to finish its own.
constexpr int lockWaitMs = 3000;

QString native(const QString& path) { return QDir::toNativeSeparators(path); }

qint64 sum(qint64 a, qint64 b)
{
    // Both are at most maxCount, so the sum cannot overflow before it is capped.
    return std::min(a + b, Progress::maxCount);
}

// A count as the file holds it: a whole number from 0 (larger ones kept at the cap).
std::optional<qint64> count(const QJsonValue& v)
{
    if (!v.isDouble())
        return std::nullopt;
    const double d = v.toDouble();
    if (!(d >= 0) || d != std::floor(d))
        return std::nullopt;
    return d >= double(Progress::maxCount) ? Progress::maxCount : v.toInteger();
}

qsizetype topicsWithExercises()
{
    static const qsizetype n = [] {
        qsizetype total = 0;
        for (const ProblemCatalogue::Area& area : ProblemCatalogue::areas())
            total += qsizetype(area.problems.size());
        return total;
    }();
    return n;
}

QString lockFailure(const QLockFile& lock)
{
    switch (lock.error()) {
    case QLockFile::LockFailedError:
        return QStringLiteral("outra cópia do Velquora o está gravando");
    case QLockFile::PermissionError:
        return QStringLiteral("a pasta não aceita gravação");
    default:
        return QStringLiteral("não foi possível reservá-lo para gravação");
    }
}

}

// The file as it is on disk, or why it is not progress.
struct Progress::Read
{
    enum Status { Missing, Ok, Unreadable, NotProgress } status = Missing;
    QHash<QString, Topic> topics;
    // Why it is unreadable or not progress, as a sentence's middle ("estava danificado").
    QString why;
};

QString Progress::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/progresso.json");
}

Progress::Progress(QString path) : m_path(std::move(path)) { }

Progress::Read Progress::read() const
{
    Read r;
    QFile file(m_path);
    if (!file.exists())
        return r;
    if (!file.open(QIODevice::ReadOnly)) {
        r.status = Read::Unreadable;
        r.why = file.errorString();
        return r;
    }
    // Some files tell no size (those of /proc): what is read is bounded all the same.
    const QByteArray bytes = file.size() > maxFileSize ? QByteArray() : file.read(maxFileSize + 1);
    if (file.size() > maxFileSize || bytes.size() > maxFileSize) {
        r.status = Read::NotProgress;
        r.why = QStringLiteral("passava de %1 MB").arg(maxFileSize / (1024 * 1024));
        return r;
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    const QJsonObject root = doc.object();
    r.status = Read::NotProgress;
    if (error.error != QJsonParseError::NoError || !root.value(QStringLiteral("topicos")).isObject()) {
        r.why = QStringLiteral("estava danificado");
        return r;
    }
    const QJsonValue version = root.value(QStringLiteral("versao"));
    if (!count(version)) {
        r.why = QStringLiteral("estava danificado");
        return r;
    }
    if (*count(version) != fileVersion) {
        r.why = QStringLiteral("é de outra versão do Velquora (versão %1)").arg(*count(version));
        return r;
    }
    const QJsonObject topics = root.value(QStringLiteral("topicos")).toObject();
    if (topics.size() > topicsWithExercises()) {
        r.why = QStringLiteral("tinha %1 tópicos, mais do que os %2 do Velquora").arg(topics.size()).arg(topicsWithExercises());
        return r;
    }
    r.status = Read::Ok;
    for (auto it = topics.begin(); it != topics.end(); ++it) {
        const QJsonObject o = it.value().toObject();
        const auto tried = count(o.value(triedKey)), firstTry = count(o.value(firstTryKey)),
                   streak = count(o.value(streakKey));
        // A topic whose counts contradict each other is dropped, not the whole file.
        if (!tried || !firstTry || !streak || *firstTry > *tried || *streak > *tried)
            continue;
        r.topics.insert(it.key(), Topic{*tried, *firstTry, *streak});
    }
    return r;
}

bool Progress::setAside(const QString& reason)
{
    const QString stamp = m_path + QStringLiteral(".danificado-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = stamp;
    for (int n = 2; QFileInfo::exists(aside) && n < 100; ++n)
        aside = stamp + QStringLiteral("-%1").arg(n);
    QFile file(m_path);
    if (!file.rename(aside)) {
        m_held = true;
        m_problem = QStringLiteral("O arquivo de progresso %1 %2, mas não pôde ser renomeado para %3 (%4). Ele foi "
                                   "deixado como está, e o progresso desta sessão não será gravado.")
                        .arg(native(m_path), reason, native(aside), file.errorString());
        return false;
    }
    m_problem = QStringLiteral("O arquivo de progresso %1 e foi guardado como %2. O progresso recomeça do zero.")
                    .arg(reason, native(aside));
    return true;
}

void Progress::load()
{
    m_topics.clear();
    m_problem.clear();
    m_held = false;
    // Under the lock when it can be had, so two copies do not set the same file aside.
    QLockFile lock(m_path + QStringLiteral(".lock"));
    lock.tryLock(lockWaitMs);
    const Read r = read();
    switch (r.status) {
    case Read::Missing:
        break;
    case Read::Ok:
        m_topics = r.topics;
        break;
    case Read::Unreadable:
        m_held = true;
        m_problem = QStringLiteral("Não foi possível ler o progresso em %1 (%2). Ele foi deixado como está, e o "
                                   "progresso desta sessão não será gravado.")
                        .arg(native(m_path), r.why);
        break;
    case Read::NotProgress:
        setAside(r.why);
        break;
    }
    // What this session recorded and has not saved yet stays counted.
    for (auto it = m_unsaved.cbegin(); it != m_unsaved.cend(); ++it)
        add(m_topics[it.key()], *it);
}

bool Progress::save()
{
    if (m_held)
        return false;
    m_problem.clear();
    const QString cannot = QStringLiteral("Não foi possível gravar o progresso em %1 (%2).");
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QLockFile lock(m_path + QStringLiteral(".lock"));
    if (!lock.tryLock(lockWaitMs)) {
        m_problem = cannot.arg(native(m_path), lockFailure(lock));
        return false;
    }
    Table topics;
    if (!m_cleared) {
        const Read r = read();
        if (r.status == Read::Unreadable) {
            m_problem = cannot.arg(native(m_path), r.why);
            return false;
        }
        if (r.status == Read::NotProgress && !setAside(r.why))
            return false;
        topics = r.topics;
    }
    for (auto it = m_unsaved.cbegin(); it != m_unsaved.cend(); ++it)
        add(topics[it.key()], *it);

    QJsonObject table;
    for (auto it = topics.cbegin(); it != topics.cend(); ++it)
        table.insert(it.key(), QJsonObject{{triedKey, it->tried}, {firstTryKey, it->firstTry}, {streakKey, it->streak}});
    const QJsonObject root{{QStringLiteral("versao"), fileVersion}, {QStringLiteral("topicos"), table}};
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(root).toJson()) < 0 || !file.commit()) {
        // A file set aside just now is said rather than this.
        if (m_problem.isEmpty())
            m_problem = cannot.arg(native(m_path), file.errorString());
        return false;
    }
    m_topics = topics;
    m_unsaved.clear();
    m_cleared = false;
    return true;
}

void Progress::clear()
{
    m_topics.clear();
    m_unsaved.clear();
    m_cleared = true;
}

void Progress::add(Topic& t, const Increment& i)
{
    t.tried = sum(t.tried, i.tried);
    t.firstTry = sum(t.firstTry, i.firstTry);
    t.streak = i.streakEnded ? i.streak : sum(t.streak, i.streak);
}

void Progress::record(const QString& button, bool rightFirstTime)
{
    const Increment one{1, rightFirstTime ? 1 : 0, !rightFirstTime, rightFirstTime ? 1 : 0};
    add(m_topics[button], one);
    Increment& pending = m_unsaved[button];
    pending.tried = sum(pending.tried, 1);
    if (rightFirstTime) {
        pending.firstTry = sum(pending.firstTry, 1);
        pending.streak = sum(pending.streak, 1);
    } else {
        pending.streakEnded = true;
        pending.streak = 0;
    }
}

QString Progress::status(const Topic& t)
{
    if (t.tried == 0)
        return {};
    if (t.streak >= 5)
        return QStringLiteral("Domina");
    // 70 % or more; counts are below 2^53, so ten times one fits in 64 bits.
    return t.firstTry * 10 >= t.tried * 7 ? QStringLiteral("Bom") : QStringLiteral("Praticando");
}
