// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/picture_history.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A picture is a letter; each row runs a script of moves from "a" and says what stands
// after it, and which steps undo and redo would take.
struct Row {
    const char* what;
    const char* script; // a letter: the picture becomes it; '<' undo, '>' redo
    std::size_t limit;
    char picture;
    const char* undoStep; // the name is the letter the step led to
    const char* redoStep;
};

const char* nameOf(char picture)
{
    static const char* const names[] = {"a", "b", "c", "d", "e"};
    return names[picture - 'a'];
}

TEST(PictureHistory, UndoAndRedoWalkTheSteps)
{
    const Row rows[] = {
        {"nothing yet", "", 10, 'a', nullptr, nullptr},
        {"one step", "b", 10, 'b', "b", nullptr},
        {"undone", "b<", 10, 'a', nullptr, "b"},
        {"undo past the first step stays", "b<<<", 10, 'a', nullptr, "b"},
        {"redone", "bc<<>", 10, 'b', "b", "c"},
        {"redo past the last step stays", "bc<>>>", 10, 'c', "c", nullptr},
        {"a new step takes the redo away", "bc<d", 10, 'd', "d", nullptr},
        {"the same picture again is no step", "bb", 10, 'b', "b", nullptr},
        {"past the limit the oldest goes", "bcde<<<<", 2, 'c', nullptr, "d"},
        {"a step back to an older picture is a step", "bcb<", 10, 'c', "c", "b"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        kvr::PictureHistory<char> history(r.limit);
        char picture = 'a';
        for (const char* c = r.script; *c; ++c) {
            if (*c == '<')
                picture = history.undo(picture);
            else if (*c == '>')
                picture = history.redo(picture);
            else {
                history.push(picture, *c, nameOf(*c));
                picture = *c;
            }
        }
        EXPECT_EQ(picture, r.picture);
        if (r.undoStep)
            EXPECT_STREQ(history.undoStep(), nameOf(*r.undoStep));
        else
            EXPECT_EQ(history.undoStep(), nullptr);
        if (r.redoStep)
            EXPECT_STREQ(history.redoStep(), nameOf(*r.redoStep));
        else
            EXPECT_EQ(history.redoStep(), nullptr);
    }
}

TEST(PictureHistory, ClearForgetsBothWays)
{
    kvr::PictureHistory<std::vector<int>> history;
    history.push({1}, {2}, "two");
    EXPECT_EQ(history.undo({2}), std::vector<int>{1});
    history.clear();
    EXPECT_EQ(history.undoStep(), nullptr);
    EXPECT_EQ(history.redoStep(), nullptr);
    EXPECT_EQ(history.redo({1}), std::vector<int>{1});
}

} // namespace
