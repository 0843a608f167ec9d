// Draws every picture a data set refers to: the persons' pictures, the
// attachment images and the icons of services whose icon is a theme name
// (written as icons/<name>.png, for the theme's image search path). Only
// relative paths are drawn, into the output folder, so the data set and its
// pictures can sit side by side without anything being downloaded.
#include "avatarpainter.h"
#include "photopainter.h"
#include "serviceiconpainter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cstdio>
#include <functional>

namespace {

using Painter = std::function<QImage(const QString &)>;

bool isRelativeFile(const QString &path)
{
    return !path.isEmpty() && !path.startsWith(QLatin1Char(':')) && QDir::isRelativePath(path);
}

bool writeImage(const QDir &outDir, const QString &relativePath, const QImage &image)
{
    const QString path = outDir.filePath(relativePath);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !image.save(path)) {
        std::fprintf(stderr, "makedemoimages: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

class ImageWriter
{
public:
    explicit ImageWriter(const QDir &outDir) : m_outDir(outDir) {}

    // Draws the file once, named after its base name.
    bool draw(const QString &relativePath, const Painter &painter)
    {
        if (!isRelativeFile(relativePath) || m_written.contains(relativePath))
            return true;
        m_written.insert(relativePath);
        return writeImage(m_outDir, relativePath,
                          painter(QFileInfo(relativePath).completeBaseName()));
    }

private:
    QDir m_outDir;
    QSet<QString> m_written;
};

bool drawDataSet(const QJsonObject &dataSet, ImageWriter &writer)
{
    bool ok = true;
    for (const QJsonValue &service : dataSet.value(QLatin1String("services")).toArray()) {
        const QString icon = service[QLatin1String("icon")].toString();
        if (isRelativeFile(icon) && !icon.contains(QLatin1Char('/'))) {
            const QString serviceId = service[QLatin1String("id")].toString();
            ok &= writer.draw(QStringLiteral("icons/%1.png").arg(icon),
                              [serviceId](const QString &) { return drawServiceIcon(serviceId); });
        }
    }
    for (const QJsonValue &person : dataSet.value(QLatin1String("persons")).toArray())
        ok &= writer.draw(person[QLatin1String("picture")].toString(), drawAvatar);
    for (const QJsonValue &activity : dataSet.value(QLatin1String("activities")).toArray()) {
        const QJsonArray media =
            activity[QLatin1String("attachment")][QLatin1String("media")].toArray();
        for (const QJsonValue &item : media)
            ok &= writer.draw(item[QLatin1String("image")].toString(), drawPhoto);
    }
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DATASET.json OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "makedemoimages: cannot read %s\n", argv[1]);
        return 1;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (!document.isObject()) {
        std::fprintf(stderr, "makedemoimages: %s: %s\n", argv[1], qPrintable(error.errorString()));
        return 1;
    }
    ImageWriter writer{QDir(QString::fromLocal8Bit(argv[2]))};
    return drawDataSet(document.object(), writer) ? 0 : 1;
}
