#include "exercises/Progress.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

QString Progress::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/progresso.json");
}

Progress::Progress(QString path) : m_path(std::move(path)) { }

void Progress::load()
{
    m_topics.clear();
    m_problem.clear();
    QFile file(m_path);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        m_problem = QStringLiteral("Não foi possível ler o progresso em %1.").arg(QDir::toNativeSeparators(m_path));
        return;
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    file.close();
    const QJsonObject topics = doc.object().value(QStringLiteral("topicos")).toObject();
    const bool damaged = error.error != QJsonParseError::NoError || !doc.isObject()
        || doc.object().value(QStringLiteral("versao")).toInt() != 1;
    if (damaged) {
        const QString aside = m_path + QStringLiteral(".danificado-")
            + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        QFile::rename(m_path, aside);
        m_problem = QStringLiteral("O arquivo de progresso estava danificado e foi guardado como %1. O progresso "
                                   "recomeça do zero.")
                        .arg(QDir::toNativeSeparators(aside));
        return;
    }
    for (auto it = topics.begin(); it != topics.end(); ++it) {
        const QJsonObject o = it.value().toObject();
        Topic t{o.value(QStringLiteral("tentados")).toInt(), o.value(QStringLiteral("primeiraTentativa")).toInt(),
                o.value(QStringLiteral("sequencia")).toInt()};
        if (t.tried < 0 || t.firstTry < 0 || t.firstTry > t.tried || t.streak < 0)
            continue;
        m_topics.insert(it.key(), t);
    }
}

bool Progress::save()
{
    QJsonObject topics;
    for (auto it = m_topics.cbegin(); it != m_topics.cend(); ++it) {
        topics.insert(it.key(), QJsonObject{{QStringLiteral("tentados"), it->tried},
                                            {QStringLiteral("primeiraTentativa"), it->firstTry},
                                            {QStringLiteral("sequencia"), it->streak}});
    }
    const QJsonObject root{{QStringLiteral("versao"), 1}, {QStringLiteral("topicos"), topics}};
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(root).toJson()) < 0 || !file.commit()) {
        m_problem = QStringLiteral("Não foi possível gravar o progresso em %1.").arg(QDir::toNativeSeparators(m_path));
        return false;
    }
    return true;
}

void Progress::clear()
{
    m_topics.clear();
}

void Progress::record(const QString& button, bool rightFirstTime)
{
    Topic& t = m_topics[button];
    ++t.tried;
    if (rightFirstTime) {
        ++t.firstTry;
        ++t.streak;
    } else {
        t.streak = 0;
    }
}

QString Progress::status(const Topic& t)
{
    if (t.tried == 0)
        return {};
    if (t.streak >= 5)
        return QStringLiteral("Domina");
    // 70 % or more, in whole numbers.
    return t.firstTry * 10 >= t.tried * 7 ? QStringLiteral("Bom") : QStringLiteral("Praticando");
}
