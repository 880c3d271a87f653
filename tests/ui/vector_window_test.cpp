#include "ui/vector_window.h"

#include "shell/calculator_catalogue.h"
#include "support/window_test.h"

#include <QLabel>
#include <QPushButton>

#include <memory>

namespace zentaro::ui {
namespace {

const char* const kSimpleInputs[] = {"ai", "aj", "ak", "bi", "bj", "bk"};
const char* const kSimpleOutputs[] = {"moda", "modb", "adotb", "theta", "aplusb", "aminusb", "acrossb", "modacrossb"};
const char* const kTripleInputs[] = {"pi", "pj", "pk", "qi", "qj", "qk", "ri", "rj", "rk"};
const char* const kTripleOutputs[] = {"scalarpqr", "vectorpqr", "modvectorpqr"};

class VectorWindowTest : public testing::WindowTest<VectorWindow> {
protected:
    void typeAll(const char* const (&names)[6], const QStringList& values)
    {
        for (int i = 0; i < 6; ++i)
            type(names[i], values[i]);
    }
    QStringList texts(std::initializer_list<const char*> names)
    {
        QStringList all;
        for (const char* name : names)
            all << text(name);
        return all;
    }
    QStringList simpleOutputs()
    {
        return texts({"moda", "modb", "adotb", "theta", "aplusb", "aminusb", "acrossb", "modacrossb"});
    }
};

TEST_F(VectorWindowTest, OpensWithItsCaptionsGlyphsAndStartTexts)
{
    EXPECT_EQ(window->objectName(), "vectorfrm");
    EXPECT_EQ(window->windowTitle(), "Vector Calculations");
    for (const char* name : kSimpleInputs)
        EXPECT_EQ(text(name), "0") << name;
    for (const char* name : kTripleInputs)
        EXPECT_EQ(text(name), "0") << name;
    for (const char* name : kSimpleOutputs) {
        EXPECT_EQ(text(name), "") << name;
        EXPECT_TRUE(field(name)->isReadOnly()) << name;
    }
    for (const char* name : kTripleOutputs) {
        EXPECT_EQ(text(name), "0") << name;
        EXPECT_TRUE(field(name)->isReadOnly()) << name;
    }
    const struct {
        const char* name;
        const char* caption;
    } labels[] = {
        {"Label1", "a ="},
        {"Label2", "i +"},
        {"Label4", "k"},
        {"Label9", "|a| ="},
        {"Label11", "a • b ="},
        {"Label12", "a x b ="},
        {"Label13", "|a x b| ="},
        {"Label14", "θ ="},
        {"Label16", "a - b ="},
        {"Label25", "c ="},
        {"Label29", "[a • b • c] ="},
        {"Label30", "|[a x b x c]| ="},
        {"Label31", "[a x b x c] :"},
    };
    for (const auto& l : labels)
        EXPECT_EQ(testing::Find<QLabel>(window.get(), l.name)->text(), QString::fromUtf8(l.caption)) << l.name;
    auto* compute = testing::Find<QPushButton>(window.get(), "compute");
    auto* comptriple = testing::Find<QPushButton>(window.get(), "comptriple");
    EXPECT_EQ(compute->text(), "⇓");
    EXPECT_EQ(comptriple->text(), "⇒");
    EXPECT_EQ(compute->toolTip(), "Click here to calculate all the values listed below");
    EXPECT_EQ(comptriple->toolTip(), "Compute the triple products");
}

TEST_F(VectorWindowTest, ComputesTheSimpleOperations)
{
    const struct {
        QStringList inputs;
        QStringList outputs;
    } cases[] = {
        {{"0", "0", "0", "0", "0", "0"},
         {"0", "0", "0", "-", "( 0)i +( 0)j +( 0)k", "( 0)i +( 0)j +( 0)k", "( 0)i +( 0)j +( 0)k", "0"}},
        {{"1", "0", "0", "0", "1", "0"},
         {"1", "1", "0", "90°", "( 1)i +( 1)j +( 0)k", "( 1)i +(-1)j +( 0)k", "( 0)i +( 0)j +( 1)k", "1"}},
        {{"0", "0", "1", "0", "0", "1"},
         {"1", "1", "1", "0°", "( 0)i +( 0)j +( 2)k", "( 0)i +( 0)j +( 0)k", "( 0)i +( 0)j +( 0)k", "0"}},
        {{"1", "2", "3", "4", "5", "6"},
         {"3.74165738677394", "8.77496438739212", "32", "12.9332°", "( 5)i +( 7)j +( 9)k", "(-3)i +(-3)j +(-3)k",
          "(-3)i +( 6)j +(-3)k", "7.34846922834953"}},
        {{"1", "0", "0", "-1", "1", "0"},
         {"1", "1.4142135623731", "-1", "135°", "( 0)i +( 1)j +( 0)k", "( 2)i +(-1)j +( 0)k", "( 0)i +( 0)j +( 1)k",
          "1"}},
        {{"1", "0", "0", "-3", "", "0"},
         {"1", "3", "-3", "180°", "(-2)i +( 0)j +( 0)k", "( 4)i +( 0)j +( 0)k", "( 0)i +( 0)j +( 0)k", "0"}},
        {{"abc", "1,5", " 2 ", "0", "0", "0"},
         {"2.23606797749979", "0", "0", "-", "( 0)i +( 1)j +( 2)k", "( 0)i +( 1)j +( 2)k", "( 0)i +( 0)j +( 0)k", "0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.inputs.join(' ').toStdString());
        typeAll(kSimpleInputs, c.inputs);
        click("compute");
        EXPECT_EQ(simpleOutputs(), c.outputs);
    }
}

TEST_F(VectorWindowTest, ComputesTheTripleProducts)
{
    const struct {
        QStringList inputs;
        QStringList outputs;
    } cases[] = {
        {{"0", "0", "0", "0", "0", "0", "0", "0", "0"}, {"0", "( 0)i + ( 0)j + ( 0)k", "0"}},
        {{"1", "0", "0", "0", "1", "0", "0", "0", "1"}, {"1", "( 0)i + ( 0)j + ( 0)k", "0"}},
        {{"0", "1", "0", "1", "0", "0", "0", "1", "0"}, {"0", "( 1)i + ( 0)j + ( 0)k", "1"}},
        {{"1", "2", "3", "4", "5", "6", "7", "8", "10"}, {"-3", "(-12)i + ( 9)j + (-2)k", "15.1327459504216"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.inputs.join(' ').toStdString());
        for (int i = 0; i < 9; ++i)
            type(kTripleInputs[i], c.inputs[i]);
        click("comptriple");
        EXPECT_EQ(texts({"scalarpqr", "vectorpqr", "modvectorpqr"}), c.outputs);
    }
}

TEST_F(VectorWindowTest, AnOverflowStopsWithTheEarlierFieldsWritten)
{
    typeAll(kSimpleInputs, {"1", "2", "3", "4", "5", "6"});
    click("compute");
    const QStringList before = simpleOutputs();

    // |a| is written, |b| overflows: the rest keep their texts.
    typeAll(kSimpleInputs, {"0", "3", "4", "1e200", "0", "0"});
    dialogs.runtimeError(6, "Overflow");
    click("compute");
    QStringList expected = before;
    expected[0] = "5";
    EXPECT_EQ(simpleOutputs(), expected);

    for (const char* name : kTripleInputs)
        type(name, "1e120");
    dialogs.runtimeError(6, "Overflow");
    click("comptriple");
    EXPECT_EQ(texts({"scalarpqr", "vectorpqr", "modvectorpqr"}), QStringList({"0", "0", "0"}));
}

TEST(TriangleAndVectorMenu, TheMenuButtonsMakeTheirWindows)
{
    for (const char* form : {"solvetrianglefrm", "vectorfrm"}) {
        SCOPED_TRACE(form);
        bool found = false;
        for (const shell::CalculatorEntry& entry : shell::Calculators()) {
            if (entry.formName != QLatin1String(form))
                continue;
            found = true;
            ASSERT_NE(entry.make, nullptr);
            const std::unique_ptr<QWidget> made(entry.make());
            EXPECT_EQ(made->objectName(), form);
        }
        EXPECT_TRUE(found);
    }
}

} // namespace
} // namespace zentaro::ui
