#include "ui/vector_window.h"

#include "shell/calculator_catalogue.h"
#include "support/window_test.h"

#include <QLabel>

#include <memory>

namespace zentaro::ui {
namespace {

const char* const kInputs[] = {"ai", "aj", "ak", "bi", "bj", "bk", "pi", "pj",
                               "pk", "qi", "qj", "qk", "ri", "rj", "rk"};
const char* const kOutputs[] = {"moda",    "modb",       "adotb",     "theta",     "aplusb",      "aminusb",
                                "acrossb", "modacrossb", "scalarpqr", "vectorpqr", "modvectorpqr"};

class VectorWindowTest : public testing::WindowTest<VectorWindow> {
protected:
    void typeAll(const QStringList& values)
    {
        for (int i = 0; i < values.size(); ++i)
            type(kInputs[i], values[i]);
    }
    QString outputs()
    {
        QStringList texts;
        for (const char* name : kOutputs)
            texts << text(name);
        return texts.join('|');
    }
};

TEST_F(VectorWindowTest, OpensWithItsStartTextsAndSymbolGlyphs)
{
    EXPECT_EQ(window->objectName(), "vectorfrm");
    EXPECT_EQ(window->windowTitle(), "Vector Calculations");
    for (const char* name : kInputs)
        EXPECT_EQ(text(name), "0") << name;
    for (const char* name : kOutputs)
        EXPECT_TRUE(field(name)->isReadOnly()) << name;
    EXPECT_EQ(outputs(), "||||||||0|0|0");
    const std::pair<const char*, const char*> captions[] = {
        {"Label11", "a • b ="},       {"Label13", "|a x b| ="},       {"Label14", "θ ="},
        {"Label29", "[a • b • c] ="}, {"Label30", "|[a x b x c]| ="}, {"Label31", "[a x b x c] :"}};
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(testing::Find<QLabel>(window.get(), name)->text(), QString::fromUtf8(caption));
    EXPECT_EQ(testing::Find<QPushButton>(window.get(), "compute")->text(), "⇓");
    EXPECT_EQ(testing::Find<QPushButton>(window.get(), "comptriple")->text(), "⇒");
    EXPECT_EQ(testing::Find<QPushButton>(window.get(), "compute")->toolTip(),
              "Click here to calculate all the values listed below");
}

TEST_F(VectorWindowTest, EachButtonFillsItsOwnFrame)
{
    const struct {
        const char* button;
        QStringList inputs;
        const char* outputs;
    } cases[] = {
        {"compute",
         {"0", "0", "0", "0", "0", "0"},
         "0|0|0|-|( 0)i +( 0)j +( 0)k|( 0)i +( 0)j +( 0)k|( 0)i +( 0)j +( 0)k|0|0|0|0"},
        {"compute",
         {"1", "2", "3", "4", "5", "6"},
         "3.74165738677394|8.77496438739212|32|12.9332°|( 5)i +( 7)j +( 9)k|(-3)i +(-3)j +(-3)k|(-3)i +( 6)j +(-3)k|"
         "7.34846922834953|0|0|0"},
        {"compute",
         {"1", "", "", "-1", "1", "0"},
         "1|1.4142135623731|-1|135°|( 0)i +( 1)j +( 0)k|( 2)i +(-1)j +( 0)k|( 0)i +( 0)j +( 1)k|1|0|0|0"},
        {"compute",
         {"abc", "1,5", " 2 ", "", "-2x", "-4"},
         "2.23606797749979|4.47213595499958|-10|180°|( 0)i +(-1)j +(-2)k|( 0)i +( 3)j +( 6)k|( 0)i +( 0)j +( 0)k|0|"
         "0|0|0"},
        {"comptriple",
         {"9", "9", "9", "9", "9", "9", "0", "1", "0", "1", "0", "0", "0", "1", "0"},
         "||||||||0|( 1)i + ( 0)j + ( 0)k|1"},
        {"comptriple",
         {"", "", "", "", "", "", "1", "2", "3", "4", "5", "6", "7", "8", "10"},
         "||||||||-3|(-12)i + ( 9)j + (-2)k|15.1327459504216"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.inputs.join(',').toStdString());
        window = std::make_unique<VectorWindow>();
        window->show();
        typeAll(c.inputs);
        click(c.button);
        EXPECT_EQ(outputs(), QString::fromUtf8(c.outputs));
    }
}

TEST_F(VectorWindowTest, AnOverflowStopsWithTheEarlierFieldsWritten)
{
    typeAll({"1", "2", "3", "4", "5", "6"});
    click("compute");
    // |a| and [a b c] are written, then |b| and the vector triple product overflow.
    typeAll({"0", "3", "4", "1e200", "0", "0", "1e100", "0", "1", "0", "1e200", "0", "1e100", "0", "0"});
    dialogs.runtimeError(6, "Overflow");
    click("compute");
    dialogs.runtimeError(6, "Overflow");
    click("comptriple");
    EXPECT_EQ(outputs(), "5|8.77496438739212|32|12.9332°|( 5)i +( 7)j +( 9)k|(-3)i +(-3)j +(-3)k|(-3)i +( 6)j +(-3)k|"
                         "7.34846922834953|-1E+300|0|0");
}

TEST(TriangleAndVectorMenu, TheMenuButtonsMakeTheirWindows)
{
    for (const char* form : {"solvetrianglefrm", "vectorfrm"}) {
        int found = 0;
        for (const shell::CalculatorEntry& entry : shell::Calculators()) {
            if (entry.formName != QLatin1String(form))
                continue;
            ++found;
            ASSERT_NE(entry.make, nullptr) << form;
            EXPECT_EQ(std::unique_ptr<QWidget>(entry.make())->objectName(), form);
        }
        EXPECT_EQ(found, 1) << form;
    }
}

} // namespace
} // namespace zentaro::ui
