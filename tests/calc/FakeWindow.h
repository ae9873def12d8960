#pragma once

// The main window reduced to what the calculation sees: a text per control. Typing goes through
// the model's input table and the displays it asks for are written back, as the window does.

#include "NutritionModel.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <string>
#include <string_view>

namespace velmora::testing {

class FakeWindow {
public:
    explicit FakeWindow(char separator = ',') : sep(separator) { model.FillCatalogue(); }

    // The user changes a field's whole text (written with ',', typed with the window's
    // separator).
    EditResult Type(std::string_view control, std::string_view typed) {
        std::string text(typed);
        for (char &c : text)
            if (c == ',')
                c = sep;
        fields[std::string(control)] = text;
        const EditResult result = model.Edit(control, text, sep);
        Write(result.displays);
        return result;
    }

    void Choose(int index) { Write(model.EnteralPreparatChosen(index)); }

    void NewCalculation() { Write(model.ResetCalculation()); }

    // Text a field holds; "1,50" style with ',' even when the window uses '.'.
    std::string Text(std::string_view control) const {
        const auto it = fields.find(std::string(control));
        std::string text = it == fields.end() ? std::string() : it->second;
        for (char &c : text)
            if (c == sep)
                c = ',';
        return text;
    }

    NutritionModel model;
    std::map<std::string, std::string> fields;
    char sep;

private:
    void Write(const DisplayList &displays) {
        for (Display display : displays) {
            const std::size_t rows = model.Show(display).size();
            for (std::size_t i = 0; i < rows; ++i) {
                // Read each row when it is written: an earlier unguarded write may have run a
                // change handling that moved the model.
                const DisplayRow row = model.Show(display)[i];
                const std::string text = row.Text(sep);
                std::string &field = fields[std::string(row.control)];
                const bool changed = field != text;
                field = text;
                // Unguarded writes into inputs are taken as the user's edits.
                if (!IsGuarded(display) && changed)
                    Write(model.Edit(row.control, text, sep).displays);
            }
        }
    }
};

// Runs a test once with each decimal separator the user's locale may have.
class BothSeparators : public ::testing::TestWithParam<char> {
protected:
    FakeWindow w{GetParam()};
};

struct Shown {
    const char *control;
    const char *text; // with ',' as separator; "" for an empty field
};

inline void ExpectShown(const FakeWindow &w, std::initializer_list<Shown> expected) {
    for (const Shown &s : expected)
        EXPECT_EQ(w.Text(s.control), s.text) << "field " << s.control;
}

} // namespace velmora::testing
