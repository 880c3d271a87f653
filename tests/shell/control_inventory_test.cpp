// Each window against its table in tests/data/controls (the notation is in the
// README there): every control the table names exists under that name, is of the
// widget class its kind calls for, and shows that caption or initial text, tool
// tip and read-only state; the window holds nothing its table does not name.
#include "shell/application.h"
#include "support/dialog_script.h"
#include "support/form_controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace zentaro::shell {
namespace {

using testing::IsField;

const QString kTableFolder = QStringLiteral(ZENTARO_TEST_DATA_DIR "/controls");

// A text cell is "-" for anything, "a" | "b" for either text, or ~"a*b" for a
// text in which * stands for any run of characters.
// `shown` turns a text as the table writes it into the text as the control holds it.
bool Matches(
    const QString& cell, const QString& actual, QString (*shown)(QString) = [](QString t) { return t; })
{
    if (cell == QLatin1String("-"))
        return true;
    const bool pattern = cell.startsWith(QLatin1Char('~'));
    const QString texts = shown(cell.mid(pattern ? 2 : 1).chopped(1));
    if (!pattern)
        return texts.split(QStringLiteral("\" | \"")).contains(actual);
    QStringList pieces = texts.split(QLatin1Char('*'));
    for (QString& piece : pieces)
        piece = QRegularExpression::escape(piece);
    return QRegularExpression(QRegularExpression::anchoredPattern(pieces.join(QStringLiteral(".*"))),
                              QRegularExpression::DotMatchesEverythingOption)
        .match(actual)
        .hasMatch();
}

// A kind of control: the widget class it calls for and the property holding its
// caption; picture, line and decoration are only to look at.
struct Kind {
    const char* name;
    const char* widget = nullptr;
    const char* caption = nullptr;

    bool fits(const QWidget* w) const
    {
        if (widget != nullptr)
            return w->inherits(widget);
        const auto* frame = qobject_cast<const QFrame*>(w);
        if (QLatin1String(name) == QLatin1String("line"))
            return w->metaObject() == &QFrame::staticMetaObject &&
                   (frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine);
        return !IsField(w) && !w->inherits("QAbstractButton") && !w->inherits("QGroupBox"); // only to look at
    }
};

const Kind kKinds[] = {
    {"text field", "QLineEdit", "text"},
    {"multi-line text field", "QPlainTextEdit", "plainText"},
    {"label", "QLabel", "text"},
    {"button", "QPushButton", "text"},
    {"option button", "QRadioButton", "text"},
    {"frame", "QGroupBox", "title"},
    {"picture"},
    {"line"},
    {"decoration"},
};

struct Row {
    QString name;
    const Kind* kind = nullptr;
    QString caption; // text cells
    QString toolTip;
    std::optional<bool> readOnly;
};

struct Table {
    QString form;
    QString title;
    std::vector<Row> rows;
    QStringList errors;
};

// "Label3(2)", an element of a control array, is the widget "Label3_2".
QString WidgetName(const QString& name)
{
    static const QRegularExpression element(QStringLiteral("^(\\w+)\\((\\d+)\\)$"));
    const QRegularExpressionMatch match = element.match(name);
    return match.hasMatch() ? match.captured(1) + QLatin1Char('_') + match.captured(2) : name;
}

Table ParseTable(const QString& form, const QString& content)
{
    Table table{form, {}, {}, {}};
    bool sawWindow = false;
    std::set<QString> names;
    const QStringList lines = content.split(QLatin1Char('\n'));
    for (int index = 0; index < lines.size(); ++index) {
        const QString& line = lines[index];
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const auto error = [&](const QString& what) {
            table.errors << QStringLiteral("%1.tsv line %2: %3").arg(form).arg(index + 1).arg(what);
        };
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (cells.size() != 5) {
            error(QStringLiteral("%1 columns instead of 5").arg(cells.size()));
            continue;
        }
        if (!sawWindow) {
            sawWindow = true;
            if (cells[0] != form || cells[1] != QLatin1String("window"))
                error(QStringLiteral("the first line must be \"%1\twindow\"").arg(form));
            table.title = cells[2];
            continue;
        }
        const auto kind =
            std::find_if(std::begin(kKinds), std::end(kKinds), [&](const Kind& k) { return cells[1] == k.name; });
        Row row{WidgetName(cells[0]), kind, cells[2], cells[3], std::nullopt};
        if (kind == std::end(kKinds)) {
            error(QStringLiteral("unknown kind \"%1\"").arg(cells[1]));
            continue;
        }
        if (cells[4] == QLatin1String("yes") || cells[4] == QLatin1String("no"))
            row.readOnly = cells[4] == QLatin1String("yes");
        else if (cells[4] != QLatin1String("-"))
            error(QStringLiteral("read-only must be yes, no or -"));
        if (!names.insert(row.name).second)
            error(QStringLiteral("%1 is named twice").arg(row.name));
        table.rows.push_back(row);
    }
    if (!sawWindow)
        table.errors << QStringLiteral("%1.tsv: no window line").arg(form);
    return table;
}

QString TableText(const QString& form)
{
    QFile file(kTableFolder + QLatin1Char('/') + form + QStringLiteral(".tsv"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString(); // no window line
}

QStringList CheckControl(const Row& row, const QWidget* widget)
{
    const QString& name = row.name;
    if (!row.kind->fits(widget))
        return {QStringLiteral("%1: is a %2, not a %3")
                    .arg(name, QString::fromLatin1(widget->metaObject()->className()),
                         QString::fromLatin1(row.kind->name))};
    QStringList faults;
    if (row.kind->caption != nullptr) {
        // A label without a buddy shows its text as it stands, so the "&&" that
        // stands for one "&" in a caption is one "&" in the label's text.
        const auto* label = qobject_cast<const QLabel*>(widget);
        const auto shown = label != nullptr && label->buddy() == nullptr
                               ? +[](QString text) { return text.replace(QStringLiteral("&&"), QStringLiteral("&")); }
                               : +[](QString text) { return text; };
        const QString caption = widget->property(row.kind->caption).toString();
        if (!Matches(row.caption, caption, shown))
            faults << QStringLiteral("%1: caption \"%2\", wanted %3").arg(name, caption, row.caption);
    }
    if (!Matches(row.toolTip, widget->toolTip()))
        faults << QStringLiteral("%1: tool tip \"%2\", wanted %3").arg(name, widget->toolTip(), row.toolTip);
    if (row.readOnly && widget->property("readOnly").toBool() != *row.readOnly)
        faults << QStringLiteral("%1: read-only is %2")
                      .arg(name, *row.readOnly ? QStringLiteral("off, wanted on") : QStringLiteral("on, wanted off"));
    return faults;
}

// Every difference between `window` and `table`, one line each.
QStringList Inventory(QWidget* window, const Table& table)
{
    QStringList faults = table.errors;
    if (!Matches(table.title, window->windowTitle()))
        faults << QStringLiteral("window title \"%1\", wanted %2").arg(window->windowTitle(), table.title);
    const std::vector<QWidget*> controls = testing::FormControls(window);
    std::set<QString> named;
    for (const Row& row : table.rows) {
        named.insert(row.name);
        std::vector<const QWidget*> found;
        for (const QWidget* control : controls) {
            if (control->objectName() == row.name)
                found.push_back(control);
        }
        if (found.size() != 1)
            faults << QStringLiteral("%1: %2").arg(
                row.name,
                found.empty() ? QStringLiteral("missing") : QStringLiteral("there are %1 of them").arg(found.size()));
        else
            faults << CheckControl(row, found.front());
    }
    for (const QWidget* control : controls) {
        if (named.count(control->objectName()) == 0)
            faults << QStringLiteral("%1 (%2): not in the table")
                          .arg(control->objectName(), QString::fromLatin1(control->metaObject()->className()));
    }
    return faults;
}

class ControlInventory : public ::testing::TestWithParam<std::string> {
protected:
    void TearDown() override { dialogs.checkDone(); }

    Application app{[] {}};
    testing::DialogScript dialogs;
};

TEST_P(ControlInventory, TheWindowHoldsExactlyTheControlsOfItsTable)
{
    const QString form = QString::fromStdString(GetParam());
    QWidget* window = app.windows().show(form);
    ASSERT_NE(window, nullptr) << GetParam() << " is not a window of the application";
    QApplication::processEvents();
    const QStringList faults = Inventory(window, ParseTable(form, TableText(form)));
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Tables, ControlInventory, ::testing::ValuesIn(testing::KnownForms()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

// The inventory must notice each kind of difference, in the window or in its table
// (what fits is seen in the tables themselves). Each case spoils the reciprocal
// window's table, or the window, one way.
TEST(ControlInventoryFaults, EachDifferenceIsReported)
{
    const struct {
        const char *from, *to, *fault;
        void (*spoilWindow)(QWidget*) = nullptr;
    } cases[] = {
        {"\"Enter here the number whose reciprocal you want\"", "\"Number\"",
         "num: tool tip \"Enter here the number whose reciprocal you want\", wanted \"Number\""},
        {"\"Enter here the number whose reciprocal you want\"", "~\"Enter.here*\"",
         "num: tool tip \"Enter here the number whose reciprocal you want\", wanted ~\"Enter.here*\""},
        {"\"Compute Reciprocal\"", "\"Compute\"", "cmdrecicalc: caption \"Compute Reciprocal\", wanted \"Compute\""},
        {"\"Reciprocal\"", "\"Reciprocals\"", "window title \"Reciprocal\", wanted \"Reciprocals\""},
        {"\"The reciprocal ...\"\tyes", "\"The reciprocal ...\"\tno", "recians: read-only is on, wanted off"},
        {"\ndigits\t", "\ndigit\t", "digit: missing"},
        {"\ndigits\t", "\ndigit\t", "digits (QLineEdit): not in the table"},
        {"num\ttext field", "num\tlabel", "num: is a QLineEdit, not a label"},
        {"\"Number\"\t\"\"\t-", "\"Number\"\t\"\"", "4 columns instead of 5"},
        {"", "", "num: there are 2 of them",
         [](QWidget* w) { (new QLineEdit(w->findChild<QWidget*>("Frame1")))->setObjectName("num"); }},
        // A label with a buddy shows "&&" as one "&" underlined no more than a button does.
        {"\nrecians\t", "\nLabel9\tlabel\t\"x && y\"\t-\t-\nrecians\t", "Label9: caption \"x & y\", wanted \"x && y\"",
         [](QWidget* w) {
             auto* label = new QLabel(QStringLiteral("x & y"), w);
             label->setObjectName("Label9");
             label->setBuddy(w->findChild<QWidget*>("num"));
         }},
    };
    const QString table = TableText("recifrm");
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.to) + " -> " + c.fault);
        Application app{[] {}};
        QWidget* window = app.windows().show(QStringLiteral("recifrm"));
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(Inventory(window, ParseTable("recifrm", table)), QStringList());
        QString spoilt = table;
        if (*c.from != '\0') {
            ASSERT_TRUE(spoilt.contains(QString::fromUtf8(c.from)));
            spoilt.replace(QString::fromUtf8(c.from), QString::fromUtf8(c.to));
        }
        if (c.spoilWindow != nullptr)
            c.spoilWindow(window);
        const QStringList faults = Inventory(window, ParseTable("recifrm", spoilt));
        EXPECT_EQ(faults.filter(QString::fromUtf8(c.fault)).size(), 1) << faults.join(QLatin1Char('\n')).toStdString();
    }
}

} // namespace
} // namespace zentaro::shell
