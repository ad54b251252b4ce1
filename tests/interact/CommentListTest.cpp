#include "interact/CommentList.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

CString add(CommentList& list, const char* text) {
    return list.add(text, LOGFONTA{}, RGB(1, 2, 3), CPoint(10, 20));
}

// Names from head to tail, checking that tail is the last record and that next links end there.
std::vector<std::string> names(const CommentList& list) {
    std::vector<std::string> out;
    const Comment* last = nullptr;
    for (const Comment* c = list.head; c; c = c->next) out.push_back(c->name.str()), last = c;
    EXPECT_EQ(list.tail, last);
    return out;
}

} // namespace

TEST(CommentList, NamesNumberEveryAddAndEraseMatchesThemExactly) {
    CommentList list;
    EXPECT_EQ(list.eraseAll(), 0);
    CString a = add(list, "Abc"), b = add(list, "abc"), c = add(list, "x");
    for (const char* wrong : {"1    abc", "1    Abc ", "1    a"}) EXPECT_EQ(list.erase(wrong), 0);
    EXPECT_EQ(list.erase(b), 1);
    EXPECT_EQ(names(list), (std::vector<std::string>{a.str(), c.str()}));
    EXPECT_EQ(list.erase(b), 0);

    // Erasing the newest makes the one before it the tail, and add appends after it.
    EXPECT_EQ(list.erase(c), 1);
    EXPECT_EQ(add(list, "y").str(), "4    y");
    EXPECT_EQ(names(list), (std::vector<std::string>{"1    Abc", "4    y"}));
    // Erasing the head, then the only comment: one added after that is head and tail.
    EXPECT_EQ(list.erase("1    Abc"), 1);
    EXPECT_EQ(names(list), (std::vector<std::string>{"4    y"}));
    EXPECT_EQ(list.erase("4    y"), 1);
    add(list, "e");
    EXPECT_EQ(names(list), std::vector<std::string>{"5    e"});

    add(list, "f");
    EXPECT_EQ(list.eraseAll(), 1);
    EXPECT_EQ(names(list), std::vector<std::string>{});
    EXPECT_EQ(list.eraseAll(), 0);
    EXPECT_EQ(add(list, "g").str(), "7    g");
    // The number takes at least four columns and one space.
    list.count = 11;
    EXPECT_EQ(add(list, "t").str(), "12   t");
    list.count = 12344;
    EXPECT_EQ(add(list, "t").str(), "12345 t");
}

TEST(CommentList, CopiesShowTheSameCommentsAndOwnTheirRecords) {
    CommentList source;
    add(source, "a");
    add(source, "b");
    source.erase("1    a");

    CommentList target;
    add(target, "old");
    target = source;
    EXPECT_EQ(names(target), names(source));

    // Each list goes its own way afterwards; both are destroyed without a double free.
    EXPECT_EQ(add(target, "c").str(), "3    c");
    EXPECT_EQ(names(source), (std::vector<std::string>{"2    b"}));
    source.eraseAll();
    EXPECT_EQ(names(target), (std::vector<std::string>{"2    b", "3    c"}));

    CommentList copy(target);
    EXPECT_EQ(names(copy), names(target));
    EXPECT_EQ(copy.count, 3);
    CommentList& self = copy;
    copy = self;
    EXPECT_EQ(names(copy), names(target));
    copy = CommentList();
    EXPECT_EQ(names(copy), std::vector<std::string>{});
    EXPECT_EQ(copy.count, 0);
}
