// A control's text revision: it moves with every real change of the caption
// or the text, hidden or shown, and with nothing else, so the shell may keep
// what it derived from the text for as long as the revision stays.

#include <gtest/gtest.h>

#include <string>

#include "runtime/program.h"

using namespace tarvik;

namespace {

std::unique_ptr<Program> new_program() {
    return std::make_unique<Program>(std::make_shared<HandlerTable>(), [] { return std::string("10:00:00"); });
}

TEST(TextRevision, MovesWithEachChangeOfCaptionOrText) {
    auto program = new_program();
    Control& title = program->ensure_form("form1")["Label11"];
    const std::uint64_t start = title.text_revision();
    title.set_caption("Kvelin");
    const std::uint64_t renamed = title.text_revision();
    EXPECT_NE(renamed, start);
    title.set_caption("Kvelin");  // the same caption again: nothing changed
    EXPECT_EQ(title.text_revision(), renamed);
    title.set_caption(std::string(1'000'000, ' '));
    EXPECT_NE(title.text_revision(), renamed);
    // Back to an earlier caption is still a change.
    const std::uint64_t blanks = title.text_revision();
    title.set_caption("Kvelin");
    EXPECT_NE(title.text_revision(), blanks);
    EXPECT_NE(title.text_revision(), renamed);

    Control& field = program->ensure_form("Form2")["Text1"];
    const std::uint64_t typed = field.text_revision();
    field.set_text("Tarvik");  // as designed: unchanged
    EXPECT_EQ(field.text_revision(), typed);
    field.set_text("TarvikX");
    EXPECT_NE(field.text_revision(), typed);
}

TEST(TextRevision, HiddenControlsCountTooAndOtherChangesDoNot) {
    auto program = new_program();
    Form& main = program->ensure_form("form1");
    Control& flag = main["nn5"];  // hidden
    ASSERT_FALSE(flag.visible());
    const std::uint64_t hidden = flag.text_revision();
    flag.set_caption("1");
    EXPECT_NE(flag.text_revision(), hidden);

    // Moving, hiding or showing a label leaves its text alone.
    Control& title = main["Label11"];
    const std::uint64_t before = title.text_revision();
    title.set_left(title.left() + 15);
    title.set_visible(false);
    title.set_visible(true);
    EXPECT_EQ(title.text_revision(), before);
}

}  // namespace
