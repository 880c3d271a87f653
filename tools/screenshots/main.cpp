// zentaro_screenshots --scripts FILE --out DIR [--suffix S] [--readme FILE]
//
// Shows every window the application knows, one after another, runs its script
// of inputs (if it has one), and saves what it shows as DIR/<form>S.png. With
// --readme, rewrites the gallery between the README's screenshot markers. Run it
// with QT_SCALE_FACTOR=2 and --suffix @2x for the pictures at 200%.
#include "screenshots/window_script.h"
#include "shell/application.h"
#include "shell/calculator_catalogue.h"
#include "shell/font_setup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>
#include <QTextStream>
#include <QWidget>

#include <cstdio>

namespace {

const QString kBegin = QStringLiteral("<!-- screenshots:begin -->");
const QString kEnd = QStringLiteral("<!-- screenshots:end -->");

// The offscreen platform remarks on every window it cannot raise; that is no news here.
void QuietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QStringLiteral("does not support raise")) ||
        message.contains(QStringLiteral("does not support propagateSizeHints")) ||
        message.startsWith(QStringLiteral("QStandardPaths:")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

int Fail(const QString& message)
{
    std::fprintf(stderr, "zentaro_screenshots: %s\n", qPrintable(message));
    return 1;
}

struct Shot {
    QString form;
    QString title;
};

// The shell's own windows first, then each calculator, in menu order.
std::vector<Shot> Windows(const zentaro::shell::WindowRegistry& registry)
{
    std::vector<Shot> shots = {{QStringLiteral("startupfrm"), QStringLiteral("Start-up window")},
                               {QStringLiteral("mainmenufrm"), QStringLiteral("Main menu")},
                               {QStringLiteral("frmAbout"), {}},
                               {QStringLiteral("helpfrm"), {}}};
    for (const zentaro::shell::CalculatorEntry& entry : zentaro::shell::Calculators())
        shots.push_back({entry.formName, {}});
    std::erase_if(shots, [&](const Shot& shot) { return !registry.knows(shot.form); });
    return shots;
}

QString Gallery(const std::vector<Shot>& shots, const QString& imageFolder)
{
    QString text;
    QTextStream out(&text);
    const auto image = [&](const Shot& shot) {
        out << "![" << shot.title << "](" << imageFolder << '/' << shot.form << ".png)\n\n";
    };
    for (const Shot& shot : shots) {
        if (shot.form == u"startupfrm" || shot.form == u"mainmenufrm") {
            out << "### " << shot.title << "\n\n";
            image(shot);
        }
    }
    out << "### Calculators\n\n";
    for (const Shot& shot : shots) {
        if (zentaro::shell::Calculators().end() ==
            std::find_if(zentaro::shell::Calculators().begin(), zentaro::shell::Calculators().end(),
                         [&](const auto& entry) { return entry.formName == shot.form; }))
            continue;
        out << "**" << shot.title << "** ([200%](" << imageFolder << '/' << shot.form << "@2x.png))\n\n";
        image(shot);
    }
    return text;
}

// Replaces what stands between the markers; leaves the file alone when that is unchanged.
QString UpdateReadme(const QString& path, const QString& gallery)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read ") + path;
    const QString readme = QString::fromUtf8(file.readAll());
    file.close();
    const qsizetype begin = readme.indexOf(kBegin);
    const qsizetype end = readme.indexOf(kEnd);
    if (begin < 0 || end < begin)
        return path + QStringLiteral(" has no ") + kBegin + QStringLiteral(" ... ") + kEnd;
    const qsizetype from = begin + kBegin.size();
    const QString updated = readme.left(from) + QStringLiteral("\n\n") + gallery + readme.mid(end);
    if (updated == readme)
        return {};
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(updated.toUtf8()) < 0)
        return QStringLiteral("cannot write ") + path;
    return {};
}

} // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(QuietPlatform);
    QApplication app(argc, argv);
    zentaro::shell::LoadFontSubstitutes();
    // A blinking caret would make each picture differ from the last by chance.
    QApplication::setCursorFlashTime(0);
    QCommandLineParser parser;
    parser.addOptions(
        {{QStringLiteral("scripts"), QStringLiteral("Inputs per window (JSON)."), QStringLiteral("file")},
         {QStringLiteral("out"), QStringLiteral("Folder for the pictures."), QStringLiteral("folder")},
         {QStringLiteral("suffix"), QStringLiteral("Added to each picture's name."), QStringLiteral("text")},
         {QStringLiteral("readme"), QStringLiteral("README whose gallery to rewrite."), QStringLiteral("file")}});
    parser.process(app);
    if (!parser.isSet(QStringLiteral("out")))
        return Fail(QStringLiteral("--out is needed"));
    const QDir out(parser.value(QStringLiteral("out")));
    const QString suffix = parser.value(QStringLiteral("suffix"));
    if (!out.mkpath(QStringLiteral(".")))
        return Fail(QStringLiteral("cannot make ") + out.path());

    zentaro::tools::WindowScripts scripts;
    if (parser.isSet(QStringLiteral("scripts"))) {
        QString error;
        auto parsed = zentaro::tools::ReadScripts(parser.value(QStringLiteral("scripts")), error);
        if (!parsed)
            return Fail(error);
        scripts = std::move(*parsed);
    }

    zentaro::shell::Application zentaro([] {});
    std::vector<Shot> shots = Windows(zentaro.windows());
    QStringList written;
    for (Shot& shot : shots) {
        std::vector<zentaro::tools::ScriptStep> steps;
        if (const auto script = scripts.find(shot.form); script != scripts.end()) {
            steps = script->second;
            scripts.erase(script);
        }
        const auto [window, error] =
            zentaro::tools::RunScript([&] { return zentaro.windows().show(shot.form); }, steps);
        if (!error.isEmpty())
            return Fail(shot.form + QStringLiteral(": ") + error);
        if (shot.title.isEmpty())
            shot.title = window->windowTitle();
        const QString name = shot.form + suffix + QStringLiteral(".png");
        if (!window->grab().save(out.filePath(name)))
            return Fail(QStringLiteral("cannot write ") + out.filePath(name));
        written << name;
        window->hide();
    }
    if (!scripts.empty())
        return Fail(QStringLiteral("a script for a window the application does not know: ") + scripts.begin()->first);

    // Pictures of windows that are gone would only mislead.
    for (const QString& name : out.entryList({QStringLiteral("*.png")}, QDir::Files)) {
        const bool ours =
            suffix.isEmpty() ? !name.contains(QLatin1Char('@')) : QFileInfo(name).completeBaseName().endsWith(suffix);
        if (ours && !written.contains(name))
            QFile::remove(out.filePath(name));
    }

    if (parser.isSet(QStringLiteral("readme"))) {
        const QString readme = parser.value(QStringLiteral("readme"));
        const QString folder = QFileInfo(readme).absoluteDir().relativeFilePath(out.absolutePath());
        if (const QString error = UpdateReadme(readme, Gallery(shots, folder)); !error.isEmpty())
            return Fail(error);
    }
    return 0;
}
