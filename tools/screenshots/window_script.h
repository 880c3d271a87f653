#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <map>
#include <optional>
#include <vector>

class QWidget;

namespace zentaro::tools {

// One step of what a user does in a window before its picture is taken.
struct ScriptStep {
    enum class Kind {
        Type,   // put `text` into the field `control`
        Click,  // click the button or option button `control`
        Focus,  // give `control` the focus (the field before it loses it)
        Answer, // answer the next message or input box: `text` typed, or Cancel when it has none
        Expect, // `control` (a field or label) must show exactly `text`
    };
    Kind kind;
    QString control;
    std::optional<QString> text;
};

using WindowScripts = std::map<QString, std::vector<ScriptStep>>;

// {"formName": [{"type": "num", "text": "7"}, {"click": "cmdrecicalc"},
//  {"focus": "Date11"}, {"answer": "12"}, {"answer": null},
//  {"expect": "recians", "text": "0.142857"}], ...}
// Gives nothing and sets `error` when the text is not such a list.
std::optional<WindowScripts> ParseScripts(const QByteArray& json, QString& error);
// The same from a file; the error then names it.
std::optional<WindowScripts> ReadScripts(const QString& path, QString& error);

// Opens a window with `open`, then carries out `steps` on it. A message or input
// box that opens meanwhile is answered by the next Answer step before it (a
// message box by the button with that caption, or OK); Answer steps at the start
// answer the boxes the window shows as it opens. Gives the window and the empty
// text, or what went wrong: a control that is missing or of the wrong kind, a
// box nobody answered, an answer never used, a control that shows something
// other than the script expects. No box is left open either way.
struct ScriptResult {
    QWidget* window = nullptr;
    QString error;
};
ScriptResult RunScript(const std::function<QWidget*()>& open, const std::vector<ScriptStep>& steps);

// What a field, multi-line field or label shows (a multi-line field through its
// plainText property, which a long-text field makes only when asked), or nothing
// for other controls.
std::optional<QString> Shown(const QWidget* control);

} // namespace zentaro::tools
