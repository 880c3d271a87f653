// Each window against its table in tests/data/controls (the notation is in the
// README there): every control the table names exists under that name, is of the
// widget class its kind calls for, and shows that caption or initial text, tool
// tip and read-only state; the window holds nothing its table does not name.
#include "shell/application.h"
#include "shell/calculator_catalogue.h"
#include "support/dialog_script.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace zentaro::shell {
namespace {

const QString kTableFolder = QStringLiteral(ZENTARO_TEST_DATA_DIR "/controls");

// What a text column asks for.
struct TextCheck {
    enum class Form { Unchecked, OneOf, Pattern };
    Form form = Form::Unchecked;
    QStringList texts;

    QString describe() const
    {
        if (form == Form::Pattern)
            return QStringLiteral("~\"%1\"").arg(texts.front());
        return QStringLiteral("\"%1\"").arg(texts.join(QStringLiteral("\" | \"")));
    }
};

std::optional<TextCheck> ParseText(const QString& cell)
{
    if (cell == QLatin1String("-"))
        return TextCheck{};
    const bool pattern = cell.startsWith(QLatin1Char('~'));
    const QString quoted = pattern ? cell.mid(1) : cell;
    if (quoted.size() < 2 || !quoted.startsWith(QLatin1Char('"')) || !quoted.endsWith(QLatin1Char('"')))
        return std::nullopt;
    const QString inner = quoted.mid(1, quoted.size() - 2);
    if (pattern)
        return TextCheck{TextCheck::Form::Pattern, {inner}};
    return TextCheck{TextCheck::Form::OneOf, inner.split(QStringLiteral("\" | \""))};
}

// `shown` turns a text as the table writes it into the text as the control holds it.
bool Matches(const TextCheck& check, const QString& actual, const std::function<QString(QString)>& shown)
{
    switch (check.form) {
    case TextCheck::Form::Unchecked:
        return true;
    case TextCheck::Form::OneOf:
        for (const QString& text : check.texts) {
            if (actual == shown(text))
                return true;
        }
        return false;
    case TextCheck::Form::Pattern: {
        QStringList pieces = shown(check.texts.front()).split(QLatin1Char('*'));
        for (QString& piece : pieces)
            piece = QRegularExpression::escape(piece);
        const QRegularExpression whole(QRegularExpression::anchoredPattern(pieces.join(QStringLiteral(".*"))),
                                       QRegularExpression::DotMatchesEverythingOption);
        return whole.match(actual).hasMatch();
    }
    }
    return false;
}

QString AsItStands(QString text)
{
    return text;
}

bool IsField(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget);
}

// Neither a field nor a button nor a frame: something only to look at.
bool IsPassive(const QWidget* widget)
{
    return !IsField(widget) && !qobject_cast<const QAbstractButton*>(widget) && !qobject_cast<const QGroupBox*>(widget);
}

struct Kind {
    const char* name;
    bool (*fits)(const QWidget*);
    QString (*caption)(const QWidget*); // nullptr: the kind has no caption
    bool hasReadOnly = false;
};

const Kind kKinds[] = {
    {"text field", [](const QWidget* w) { return qobject_cast<const QLineEdit*>(w) != nullptr; },
     [](const QWidget* w) { return qobject_cast<const QLineEdit*>(w)->text(); }, true},
    {"multi-line text field", [](const QWidget* w) { return qobject_cast<const QPlainTextEdit*>(w) != nullptr; },
     [](const QWidget* w) { return qobject_cast<const QPlainTextEdit*>(w)->toPlainText(); }, true},
    {"label", [](const QWidget* w) { return qobject_cast<const QLabel*>(w) != nullptr; },
     [](const QWidget* w) { return qobject_cast<const QLabel*>(w)->text(); }},
    {"button", [](const QWidget* w) { return qobject_cast<const QPushButton*>(w) != nullptr; },
     [](const QWidget* w) { return qobject_cast<const QPushButton*>(w)->text(); }},
    {"option button", [](const QWidget* w) { return qobject_cast<const QRadioButton*>(w) != nullptr; },
     [](const QWidget* w) { return qobject_cast<const QRadioButton*>(w)->text(); }},
    {"frame", [](const QWidget* w) { return qobject_cast<const QGroupBox*>(w) != nullptr; },
     [](const QWidget* w) { return qobject_cast<const QGroupBox*>(w)->title(); }},
    {"picture", [](const QWidget* w) { return qobject_cast<const QLabel*>(w) != nullptr || IsPassive(w); }, nullptr},
    {"line",
     [](const QWidget* w) {
         const auto* frame = qobject_cast<const QFrame*>(w);
         return w->metaObject() == &QFrame::staticMetaObject &&
                (frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine);
     },
     nullptr},
    {"decoration", IsPassive, nullptr},
};

const Kind* FindKind(const QString& name)
{
    for (const Kind& kind : kKinds) {
        if (name == QLatin1String(kind.name))
            return &kind;
    }
    return nullptr;
}

struct Row {
    int line = 0;
    QString name;
    const Kind* kind = nullptr;
    TextCheck caption;
    TextCheck toolTip;
    std::optional<bool> readOnly;
};

struct Table {
    QString form;
    TextCheck title;
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
        const std::optional<TextCheck> caption = ParseText(cells[2]);
        const std::optional<TextCheck> toolTip = ParseText(cells[3]);
        if (!caption || !toolTip) {
            error(QStringLiteral("a text is neither -, \"...\" nor ~\"...\""));
            continue;
        }
        if (!sawWindow) {
            sawWindow = true;
            if (cells[0] != form || cells[1] != QLatin1String("window"))
                error(QStringLiteral("the first line must be \"%1\twindow\"").arg(form));
            table.title = *caption;
            continue;
        }
        Row row{index + 1, WidgetName(cells[0]), FindKind(cells[1]), *caption, *toolTip, std::nullopt};
        if (row.kind == nullptr) {
            error(QStringLiteral("unknown kind \"%1\"").arg(cells[1]));
            continue;
        }
        if (cells[4] == QLatin1String("yes") || cells[4] == QLatin1String("no"))
            row.readOnly = cells[4] == QLatin1String("yes");
        else if (cells[4] != QLatin1String("-"))
            error(QStringLiteral("read-only must be yes, no or -"));
        if (row.readOnly && !row.kind->hasReadOnly)
            error(QStringLiteral("a %1 has no read-only state").arg(cells[1]));
        if (row.caption.form != TextCheck::Form::Unchecked && row.kind->caption == nullptr)
            error(QStringLiteral("a %1 has no caption").arg(cells[1]));
        if (!names.insert(row.name).second)
            error(QStringLiteral("%1 is named twice").arg(row.name));
        table.rows.push_back(row);
    }
    if (!sawWindow)
        table.errors << QStringLiteral("%1.tsv: no window line").arg(form);
    return table;
}

Table ReadTable(const QString& form)
{
    QFile file(kTableFolder + QLatin1Char('/') + form + QStringLiteral(".tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return Table{form, {}, {}, {QStringLiteral("cannot read %1").arg(file.fileName())}};
    return ParseTable(form, QString::fromUtf8(file.readAll()));
}

bool IsContainer(const QWidget* widget)
{
    const QMetaObject* kind = widget->metaObject();
    return qobject_cast<const QGroupBox*>(widget) != nullptr || kind == &QWidget::staticMetaObject ||
           kind == &QFrame::staticMetaObject;
}

// The controls a form defines: children of the window and of its frames, not the
// inner parts of a field or other windows.
void Collect(QWidget* container, std::vector<QWidget*>& controls)
{
    for (QWidget* child : container->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        controls.push_back(child);
        if (IsContainer(child))
            Collect(child, controls);
    }
}

std::optional<bool> ReadOnlyOf(const QWidget* widget)
{
    if (const auto* field = qobject_cast<const QLineEdit*>(widget))
        return field->isReadOnly();
    if (const auto* area = qobject_cast<const QPlainTextEdit*>(widget))
        return area->isReadOnly();
    return std::nullopt;
}

QStringList CheckControl(const Row& row, const QWidget* widget)
{
    QStringList faults;
    const QString name = row.name;
    if (!row.kind->fits(widget))
        return {QStringLiteral("%1: is a %2, not a %3")
                    .arg(name, QString::fromLatin1(widget->metaObject()->className()),
                         QString::fromLatin1(row.kind->name))};
    if (row.kind->caption != nullptr) {
        // A label without a buddy shows its text as it stands, so the "&&" that
        // stands for one "&" in a caption is one "&" in the label's text.
        const auto* label = qobject_cast<const QLabel*>(widget);
        const auto shown = [label](QString text) {
            return label != nullptr && label->buddy() == nullptr
                       ? text.replace(QStringLiteral("&&"), QStringLiteral("&"))
                       : text;
        };
        const QString caption = row.kind->caption(widget);
        if (!Matches(row.caption, caption, shown))
            faults << QStringLiteral("%1: caption \"%2\", wanted %3").arg(name, caption, row.caption.describe());
    }
    if (!Matches(row.toolTip, widget->toolTip(), AsItStands))
        faults << QStringLiteral("%1: tool tip \"%2\", wanted %3").arg(name, widget->toolTip(), row.toolTip.describe());
    if (row.readOnly && ReadOnlyOf(widget) != row.readOnly)
        faults << QStringLiteral("%1: read-only is %2")
                      .arg(name, *row.readOnly ? QStringLiteral("off, wanted on") : QStringLiteral("on, wanted off"));
    return faults;
}

// Every difference between `window` and `table`, one line each.
QStringList Inventory(QWidget* window, const Table& table)
{
    QStringList faults = table.errors;
    if (!Matches(table.title, window->windowTitle(), AsItStands))
        faults << QStringLiteral("window title \"%1\", wanted %2").arg(window->windowTitle(), table.title.describe());
    std::vector<QWidget*> controls;
    Collect(window, controls);
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

std::vector<std::string> TabledForms()
{
    std::vector<std::string> forms;
    for (const auto& entry : std::filesystem::directory_iterator(kTableFolder.toStdString())) {
        if (entry.path().extension() == ".tsv")
            forms.push_back(entry.path().stem().string());
    }
    std::sort(forms.begin(), forms.end());
    return forms;
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
    const QStringList faults = Inventory(window, ReadTable(form));
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Tables, ControlInventory, ::testing::ValuesIn(TabledForms()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

TEST(ControlTables, EveryWindowOfTheApplicationHasOne)
{
    std::vector<std::string> forms = {"startupfrm", "mainmenufrm", "frmAbout", "helpfrm"};
    for (const CalculatorEntry& entry : Calculators()) {
        if (entry.make != nullptr)
            forms.push_back(entry.formName.toStdString());
    }
    const std::vector<std::string> tabled = TabledForms();
    for (const std::string& form : forms)
        EXPECT_TRUE(std::find(tabled.begin(), tabled.end(), form) != tabled.end()) << form << " has no table";
}

// The inventory must notice each kind of difference, in the window or in its table.
TEST(ControlInventoryFaults, EachDifferenceIsReported)
{
    struct Case {
        const char* what;
        std::function<void(QWidget*)> spoilWindow;
        std::function<void(QString&)> spoilTable;
        const char* fault;
    };
    const auto keepTable = [](QString&) {};
    const Case cases[] = {
        {"tool tip", [](QWidget* w) { w->findChild<QWidget*>("num")->setToolTip("Number"); }, keepTable,
         "num: tool tip \"Number\", wanted \"Enter here the number whose reciprocal you want\""},
        {"tool tip where none is wanted", [](QWidget* w) { w->findChild<QWidget*>("Frame1")->setToolTip("x"); },
         keepTable, "Frame1: tool tip \"x\", wanted \"\""},
        {"read-only answer made editable",
         [](QWidget* w) { w->findChild<QPlainTextEdit*>("recians")->setReadOnly(false); }, keepTable,
         "recians: read-only is off, wanted on"},
        {"input made read-only", [](QWidget* w) { w->findChild<QLineEdit*>("digits")->setReadOnly(true); }, keepTable,
         "digits: read-only is on, wanted off"},
        {"button caption", [](QWidget* w) { w->findChild<QPushButton*>("cmdrecicalc")->setText("Compute"); }, keepTable,
         "cmdrecicalc: caption \"Compute\", wanted \"Compute Reciprocal\""},
        {"frame title", [](QWidget* w) { w->findChild<QGroupBox*>("Frame2")->setTitle("Digits"); }, keepTable,
         "Frame2: caption \"Digits\", wanted \"Number of Digits\""},
        {"initial text", [](QWidget* w) { w->findChild<QLineEdit*>("num")->setText("7"); }, keepTable,
         "num: caption \"7\", wanted \"\""},
        {"window title", [](QWidget* w) { w->setWindowTitle("Reciprocals"); }, keepTable,
         "window title \"Reciprocals\", wanted \"Reciprocal\""},
        {"renamed control", [](QWidget* w) { w->findChild<QWidget*>("digits")->setObjectName("digit"); }, keepTable,
         "digits: missing"},
        {"control the table does not name", [](QWidget* w) { (new QLabel("?", w))->setObjectName("Label9"); },
         keepTable, "Label9 (QLabel): not in the table"},
        {"two controls of one name",
         [](QWidget* w) { (new QLineEdit(w->findChild<QWidget*>("Frame1")))->setObjectName("num"); }, keepTable,
         "num: there are 2 of them"},
        {"wrong kind", [](QWidget*) {}, [](QString& t) { t.replace("num\ttext field", "num\tlabel"); },
         "num: is a QLineEdit, not a label"},
        {"single-line field for a multi-line one", [](QWidget*) {},
         [](QString& t) { t.replace("recians\tmulti-line text field", "recians\ttext field"); },
         "recians: is a QPlainTextEdit, not a text field"},
        {"unknown kind", [](QWidget*) {}, [](QString& t) { t.replace("num\ttext field", "num\ttextbox"); },
         "recifrm.tsv line 4: unknown kind \"textbox\""},
        {"read-only state of a button", [](QWidget*) {},
         [](QString& t) { t.replace("\"Compute Reciprocal\"\t\"\"\t-", "\"Compute Reciprocal\"\t\"\"\tno"); },
         "recifrm.tsv line 6: a button has no read-only state"},
        {"missing column", [](QWidget*) {}, [](QString& t) { t.replace("\"Number\"\t\"\"\t-", "\"Number\"\t\"\""); },
         "recifrm.tsv line 2: 4 columns instead of 5"},
        {"unquoted text", [](QWidget*) {}, [](QString& t) { t.replace("\"Number\"\t", "Number\t"); },
         "recifrm.tsv line 2: a text is neither -, \"...\" nor ~\"...\""},
    };
    const QString table =
        QStringLiteral("recifrm\twindow\t\"Reciprocal\"\t-\t-\n"
                       "Frame1\tframe\t\"Number\"\t\"\"\t-\n"
                       "# the input\n"
                       "num\ttext field\t\"\"\t\"Enter here the number whose reciprocal you want\"\tno\n"
                       "Frame2\tframe\t\"Number of Digits\"\t\"\"\t-\n"
                       "cmdrecicalc\tbutton\t\"Compute Reciprocal\"\t\"\"\t-\n"
                       "digits\ttext field\t\"\"\t-\tno\n"
                       "recians\tmulti-line text field\t\"\"\t\"The reciprocal ...\"\tyes\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Application app{[] {}};
        QWidget* window = app.windows().show(QStringLiteral("recifrm"));
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(Inventory(window, ParseTable("recifrm", table)), QStringList());
        QString spoilt = table;
        c.spoilTable(spoilt);
        c.spoilWindow(window);
        const QStringList faults = Inventory(window, ParseTable("recifrm", spoilt));
        EXPECT_TRUE(faults.contains(QString::fromUtf8(c.fault))) << faults.join(QLatin1Char('\n')).toStdString();
    }
}

// How a caption is compared with what the control shows.
TEST(ControlInventoryFaults, CaptionsAreComparedAsTheControlShowsThem)
{
    struct Case {
        const char* kind;
        const char* shown; // the widget's text
        bool buddy;        // a label with a buddy treats "&" as a button does
        const char* caption;
        bool fits;
    };
    const Case cases[] = {
        {"label", "x & y", false, "\"x && y\"", true},
        {"label", "x && y", false, "\"x && y\"", false},
        {"label", "x && y", true, "\"x && y\"", true},
        {"label", "x & y", true, "\"x && y\"", false},
        {"button", "x && y", false, "\"x && y\"", true},
        {"button", "x & y", false, "\"x && y\"", false},
        {"option button", "&Days", false, "\"&Days\"", true},
        {"label", "x + ", false, "\"x + \" | \"x +\"", true},
        {"label", "x +", false, "\"x + \" | \"x +\"", true},
        {"label", "x+", false, "\"x + \" | \"x +\"", false},
        {"label", "x +", false, "\"x + \"", false},
        {"label", "Visit\n\nhttps://a.example", false, "~\"Visit*https://*\"", true},
        {"label", "Visit https://a.example", false, "~\"Visit*http://*\"", false},
        {"label", "a.b (c)", false, "~\"a.b (c)\"", true},
        {"label", "axb (c)", false, "~\"a.b (c)\"", false},
        {"label", "", false, "\"\"", true},
        {"label", " ", false, "\"\"", false},
        {"label", "anything", false, "-", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.kind) + " showing \"" + c.shown + "\" against " + c.caption);
        QWidget window;
        window.setObjectName("form");
        QWidget* control = nullptr;
        if (QLatin1String(c.kind) == QLatin1String("label")) {
            auto* label = new QLabel(QString::fromUtf8(c.shown), &window);
            if (c.buddy) {
                auto* field = new QLineEdit(&window);
                field->setObjectName("field");
                label->setBuddy(field);
            }
            control = label;
        } else if (QLatin1String(c.kind) == QLatin1String("button")) {
            control = new QPushButton(QString::fromUtf8(c.shown), &window);
        } else {
            control = new QRadioButton(QString::fromUtf8(c.shown), &window);
        }
        control->setObjectName("control");
        QString table = QStringLiteral("form\twindow\t-\t-\t-\ncontrol\t%1\t%2\t-\t-\n")
                            .arg(QString::fromUtf8(c.kind), QString::fromUtf8(c.caption));
        if (c.buddy)
            table += QStringLiteral("field\ttext field\t-\t-\t-\n");
        const QStringList faults = Inventory(&window, ParseTable("form", table));
        EXPECT_EQ(faults.isEmpty(), c.fits) << faults.join(QLatin1Char('\n')).toStdString();
    }
}

} // namespace
} // namespace zentaro::shell
