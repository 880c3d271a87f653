#include "shell/system_info.h"

#include "widgets/message_box.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace zentaro::shell {
namespace {

#ifdef Q_OS_WIN
// One registry value as text; false, with `value` emptied, on any failure.
bool GetKeyValue(HKEY root, const char* keyName, const char* valueName, QString& value)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, keyName, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        value.clear();
        return false;
    }
    char buffer[1024] = {};
    DWORD size = sizeof buffer;
    DWORD type = 0;
    const LONG status = RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) {
        value.clear();
        return false;
    }
    if (type == REG_SZ) {
        QByteArray text(buffer, static_cast<qsizetype>(size));
        if (text.endsWith('\0'))
            text.chop(1);
        value = QString::fromLocal8Bit(text);
    } else if (type == REG_DWORD) {
        value = QString::number(*reinterpret_cast<const DWORD*>(buffer));
    }
    return true;
}

QString FindSystemInfoProgram()
{
    QString path;
    if (GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path))
        return path;
    if (GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", path)) {
        const QString full = path + QStringLiteral("\\MSINFO32.EXE");
        if (QFileInfo::exists(full))
            return full;
    }
    return {};
}
#else
// A short fixed list, searched on PATH and started directly: nothing here comes
// from input and no shell sees it.
QString FindSystemInfoProgram()
{
    const QStringList candidates = {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
                                    QStringLiteral("kinfocenter"), QStringLiteral("gnome-system-monitor")};
    for (const QString& name : candidates) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
}
#endif

} // namespace

void StartSysInfo(QWidget* parent)
{
    const QString program = FindSystemInfoProgram();
    if (program.isEmpty() || !QProcess::startDetached(program, {})) {
        widgets::MessageBox(parent, QString::fromLatin1(kSystemInfoUnavailable));
    }
}

} // namespace zentaro::shell
