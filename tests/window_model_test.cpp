// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_form.h"

#include "window/control_row.h"
#include "window/properties.h"

#include <gtest/gtest.h>

using namespace tavrimo;
using namespace tavrimo::testing;

namespace {

TEST(ChangeRule, a_new_text_raises_change_at_once_and_nested)
{
    WindowModel w(initialWindowState());
    const ControlId a = w.require("txtA");
    const ControlId b = w.require("txtB");
    std::vector<std::string> log;
    w.setEventSink([&](ControlId id, Event event) {
        if (event != Event::Change)
            return;
        log.push_back(controlName(w.at(id)).toStdString() + "=" + w.at(id).text.toStdString());
        if (id == a)
            w.setText(b, w.at(a).text + u"!"_s);  // nested: runs before this handler goes on
        log.push_back("end " + controlName(w.at(id)).toStdString());
    });
    w.setText(a, u"1"_s);
    EXPECT_EQ(log, (std::vector<std::string>{"txtA=1", "txtB=1!", "end txtB", "end txtA"}));
}

TEST(ChangeRule, assigning_the_same_text_raises_nothing)
{
    WindowModel w(initialWindowState());
    const ControlId c = w.require("txtC");
    int changes = 0;
    w.setEventSink([&](ControlId, Event event) { changes += event == Event::Change; });
    w.setText(c, u"5"_s);
    w.setText(c, u"5"_s);
    w.userEdit(c, u"5"_s);
    EXPECT_EQ(changes, 1);
    w.setText(c, QString());
    EXPECT_EQ(changes, 2);
}

TEST(WrittenTexts, a_field_without_the_focus_shows_its_first_character_the_focused_one_its_end)
{
    TestForm f;
    f.type("txtF", u"2"_s);
    EXPECT_EQ(f.text("txtC"), u"-16.6666666666667"_s);
    EXPECT_EQ(f.show("txtC", -1, Prop::SelStart), "0");
    EXPECT_EQ(f.show("txtK", -1, Prop::SelStart), "0");
    f.type("txtF", u" "_s);  // trimmed: the program rewrites the focused field
    EXPECT_EQ(f.text("txtF"), u"2"_s);
    EXPECT_EQ(f.show("txtF", -1, Prop::SelStart), "1");
    f.type("txtTAS", 3, u"7"_s);
    EXPECT_EQ(f.show("txtUSA", 0, Prop::SelStart), "0");
    EXPECT_EQ(f.show("txtTAS", 0, Prop::SelStart), "0");
}

// The driver prints control characters and half surrogate pairs escaped.
TEST(ShownTexts, hold_no_control_character_nor_half_a_surrogate_pair)
{
    const struct {
        std::u16string_view held;
        const char* shown;
    } rows[] = {{u"a\\b\r\n\t", "a\\\\b\\r\\n\\t"}, {std::u16string_view(u"1\0" "2", 3), "1\\u00002"},
                {u"\u001b\u007f", "\\u001b\\u007f"}, {u"\xd83d", "\\ud83d"}, {u"\xde00x", "\\ude00x"},
                {u"\xde00\xd83d", "\\ude00\\ud83d"}, {u"\xd83d\xde00", "\xf0\x9f\x98\x80"}, {u"سُ", "سُ"}};
    for (const auto& row : rows)
        EXPECT_EQ(escapeText(QString::fromUtf16(row.held.data(), static_cast<qsizetype>(row.held.size()))).toUtf8(),
                  QByteArray(row.shown))
            << row.shown;
}

TEST(InitialState, creating_the_window_runs_no_handler)
{
    RecordingMessages messages;
    Program program({}, messages);
    EXPECT_EQ(program.form().bytCategory, 0);
    EXPECT_EQ(program.form().bytSource, 0);
    EXPECT_EQ(program.takeStats().handlers, 0);
    EXPECT_TRUE(program.window().at(program.window().require("Label3D1", 0)).caption.isEmpty());
    program.start();
    EXPECT_EQ(program.form().bytCategory, 1);
    EXPECT_EQ(program.takeStats().handlers, 1);  // Form_Load alone
}

struct SpotValue {
    const char* control;
    int index;
    Prop prop;
    const char* value;
};

class InitialStateSpots : public ::testing::TestWithParam<SpotValue> {};

// What a person meets before touching anything.
TEST_P(InitialStateSpots, show_the_window_as_it_opens)
{
    TestForm f;
    const SpotValue& s = GetParam();
    EXPECT_EQ(f.show(s.control, s.index, s.prop), s.value);
}

INSTANTIATE_TEST_SUITE_P(Opening, InitialStateSpots, ::testing::ValuesIn(std::vector<SpotValue>{
    {"Form1", -1, Prop::Caption, "Tavrimo"}, {"txtUSA", 0, Prop::ForeColor, "#000000"},
    {"optTall", -1, Prop::Value, "true"}, {"sqrD", -1, Prop::Enabled, "false"}, {"s2", -1, Prop::Width, "2100"},
    {"Label6", -1, Prop::Left, "2460"}, {"Frame3", -1, Prop::Caption, "تحويل درجات الحرارة"},
    {"Frame2", -1, Prop::Caption, "حل معادلة من الدرجة الثانية"}, {"Image21", -1, Prop::Picture, "Image21"},
    {"Image16", -1, Prop::Picture, ""}, {"Combo1", -1, Prop::ListIndex, "-1"}, {"txtGra", -1, Prop::Text, ""},
    {"txtMotwazi", -1, Prop::Visible, "false"}}),
    [](const auto& info) {
        return std::string(info.param.control) + (info.param.index >= 0 ? std::to_string(info.param.index) : "")
               + "_" + std::string(kPropNames[static_cast<size_t>(info.param.prop)]);
    });

TEST(InitialState, the_equation_caption_has_eighty_blanks_between_its_parts)
{
    TestForm f;
    const QString caption = f.w().at(f.id("Label4")).caption;
    EXPECT_TRUE(caption.startsWith(q("المعادلة من الشكل") + QString(80, u' ') + q("أ")));
    EXPECT_TRUE(caption.endsWith(q("أ س^2 +ب س +ج = 0")));
    EXPECT_EQ(caption.size(), 17 + 80 + 17);
}

}  // namespace
