#pragma once

// Case tables of the computation tests, kept under tests/data, and what running a
// case takes: a call's outcome as one text, numbers read and written exactly, and
// a recorder of the messages a computation shows.

#include "conventions/dialogs.h"
#include "conventions/runtime_error.h"
#include "conventions/working.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <concepts>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace zentaro::cases {

// One line "inputs | outputs" of a case file. Items are blank-separated; "_" is the
// empty text, and a double-quoted item may hold blanks (and \" \\ \t \r \n). Lines
// starting '#' are comments.
struct Case {
    std::vector<std::string> inputs;
    // What follows the bar as it stands, or the text of a lone quoted item or "_".
    std::string expected;
    std::string where; // file:line
    // A worked example's working, a line each after "> ".
    std::vector<std::string> lines = {};
};

// The items of `text`; stops at a lone "|" when `bar` is given, which then holds
// the offset just past it.
inline std::vector<std::string> Items(std::string_view text, std::size_t* bar = nullptr)
{
    std::vector<std::string> items;
    for (std::size_t i = 0;;) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        if (i == text.size())
            return items;
        std::string item;
        if (text[i] == '"') {
            for (++i; i < text.size() && text[i] != '"'; ++i) {
                const char c = text[i] == '\\' && i + 1 < text.size() ? text[++i] : '\0';
                item += c == '\0' ? text[i] : c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
            }
            ++i;
        } else {
            const std::size_t start = i;
            while (i < text.size() && text[i] != ' ' && text[i] != '\t')
                ++i;
            item = text.substr(start, i - start);
            if (item == "|" && bar != nullptr) {
                *bar = i;
                return items;
            }
            if (item == "_")
                item.clear();
        }
        items.push_back(item);
    }
}

// The cases of tests/data/<path>; a line without a bar is a fault of the file,
// unless `worked`: then each line is a call, followed by its working.
inline std::vector<Case> Read(const std::string& path, std::size_t atLeast = 1, bool worked = false)
{
    std::ifstream file(std::string(ZENTARO_TEST_DATA_DIR) + "/" + path);
    std::vector<Case> cases;
    int number = 0;
    for (std::string line; std::getline(file, line);) {
        ++number;
        if (worked && line.starts_with('>') && !cases.empty())
            cases.back().lines.push_back(line.substr(std::min<std::size_t>(2, line.size())));
        if (line.empty() || line[0] == '#' || line[0] == '>')
            continue;
        std::size_t bar = std::string::npos;
        Case c{Items(line, worked ? nullptr : &bar), {}, path + ":" + std::to_string(number)};
        if (bar == std::string::npos && !worked) {
            ADD_FAILURE() << c.where << ": no \" | \"";
            continue;
        }
        if (!worked) {
            std::string rest = line.substr(bar + (bar < line.size() && line[bar] == ' ' ? 1 : 0));
            const std::vector<std::string> outputs = Items(rest);
            c.expected = outputs.size() == 1 && (rest.starts_with('"') || rest == "_") ? outputs[0] : rest;
        }
        cases.push_back(c);
    }
    EXPECT_GE(cases.size(), atLeast) << path;
    return cases;
}

// A number written in a case file, read exactly ("-0", "1e308", "0x1p-55").
inline double Number(const std::string& text)
{
    char* end = nullptr;
    const double x = std::strtod(text.c_str(), &end);
    EXPECT_TRUE(!text.empty() && *end == '\0') << "not a number: '" << text << "'";
    return x;
}

// Results as case files write them: a double in the fewest digits that read back
// to it ("0.1", "-0", "1e+308"), integers in full, texts as they are.
inline std::string Text(double x)
{
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, x).ptr);
}
inline std::string Text(std::integral auto x)
{
    return std::to_string(x);
}
inline std::string Text(std::string_view text)
{
    return std::string(text);
}

// What a call gives, as text, or "#n" for the run-time error n it raises.
template <typename Call> std::string Outcome(Call&& call)
{
    try {
        if constexpr (std::is_void_v<decltype(call())>) {
            call();
            return "";
        } else {
            return Text(call());
        }
    } catch (const RuntimeError& error) {
        return "#" + std::to_string(error.number());
    }
}

// The working `call` records when given a recorder; a run-time error that stops
// it ends the lines as "#n".
template <typename Call> std::vector<std::string> WorkingOf(Call&& call)
{
    std::vector<std::string> lines;
    const std::string error = Outcome([&] { call(Working(lines)); });
    if (!error.empty())
        lines.push_back(error);
    return lines;
}

// The answer, with a complaint after it unless the working ends with `tail` (the
// answer itself by default), so that a table comparing answers checks the working too.
inline std::string EndingWith(const std::string& answer, const std::vector<std::string>& lines,
                              const std::string& tail = {})
{
    const std::string& end = tail.empty() ? answer : tail;
    if (!lines.empty() && lines.back().ends_with(end))
        return answer;
    return answer + " [the working ends '" + (lines.empty() ? "" : lines.back()) + "']";
}

// For computations that show messages, when only the working is wanted.
inline const ShowMessage kIgnoreMessages = [](std::string_view, int, std::string_view) { return MessageAnswer::Ok; };

// The messages a computation shows: the text alone for a plain box with the
// application's title, "text|style|title" otherwise.
struct Messages {
    std::vector<std::string> seen;

    ShowMessage callback()
    {
        return [this](std::string_view text, int style, std::string_view title) {
            seen.push_back(std::string(text) +
                           (style == 0 && title.empty() ? "" : "|" + std::to_string(style) + "|" + std::string(title)));
            return MessageAnswer::Ok;
        };
    }
    // " [text]" for each message, to follow a result in a case file.
    std::string shown() const
    {
        std::string all;
        for (const std::string& text : seen)
            all += " [" + text + "]";
        return all;
    }
};

// The inputs after a case's function name, with checked access.
struct Args {
    std::vector<std::string> items;
    const std::string& operator[](std::size_t i) const { return items.at(i); }
    double number(std::size_t i) const { return Number(items.at(i)); }
};
using Function = std::function<std::string(const Args&)>;

// A case function from a call of the inputs and a message callback: its result,
// then the messages it showed.
template <typename Call> Function WithMessages(Call call)
{
    return [call](const Args& args) {
        Messages messages;
        const std::string result = call(args, messages.callback());
        return result + messages.shown();
    };
}

// Runs each case through the function its first input names, on the other inputs;
// each function must have a case.
template <typename F, typename Check>
void Dispatch(const std::string& path, bool worked, const std::map<std::string, F>& functions, Check check)
{
    std::map<std::string, int> used;
    for (const Case& c : Read(path, 1, worked)) {
        SCOPED_TRACE(c.where);
        const auto f = c.inputs.empty() ? functions.end() : functions.find(c.inputs[0]);
        if (f == functions.end()) {
            ADD_FAILURE() << "no such function";
            continue;
        }
        ++used[f->first];
        check(c, f->second, Args{{c.inputs.begin() + 1, c.inputs.end()}});
    }
    for (const auto& [name, function] : functions)
        EXPECT_GT(used[name], 0) << name << " has no case in " << path;
}

// The cases of tests/data/<path>, each outcome compared with what follows the bar.
inline void Run(const std::string& path, const std::map<std::string, Function>& functions)
{
    Dispatch(path, false, functions, [](const Case& c, const Function& f, const Args& args) {
        EXPECT_EQ(Outcome([&] { return f(args); }), c.expected);
    });
}

// The worked examples of tests/data/<path>, each a line naming the function and
// its inputs (as a case's inputs) followed by the working it must record.
using Worker = std::function<void(const Args&, Working)>;

inline void RunWorked(const std::string& path, const std::map<std::string, Worker>& workers)
{
    Dispatch(path, true, workers, [](const Case& c, const Worker& w, const Args& args) {
        EXPECT_EQ(WorkingOf([&](Working working) { w(args, working); }), c.lines);
    });
}

} // namespace zentaro::cases
