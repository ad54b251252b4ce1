#include <ploxen/interact/CommentList.h>

#include <cstring>

CommentList::CommentList(const CommentList& other) {
    *this = other;
}

CommentList& CommentList::operator=(const CommentList& other) {
    if (this == &other) return *this;
    eraseAll();
    for (const Comment* c = other.head; c; c = c->next) append(new Comment(*c));
    count = other.count;
    return *this;
}

CommentList::~CommentList() {
    eraseAll();
}

void CommentList::append(Comment* c) {
    c->next = nullptr;
    if (tail)
        tail->next = c;
    else
        head = c;
    tail = c;
}

CString CommentList::add(CString text, LOGFONTA font, unsigned long color, CPoint position) {
    ++count;
    CString name;
    name.Format("%-4d ", count);
    name += text;
    append(new Comment{name, text, font, color, position, nullptr});
    return name;
}

int CommentList::erase(CString name) {
    Comment* prev = nullptr;
    for (Comment* c = head; c; prev = c, c = c->next) {
        if (std::strcmp(c->name, name) != 0) continue;
        (prev ? prev->next : head) = c->next;
        if (tail == c) tail = prev;
        delete c;
        return 1;
    }
    return 0;
}

int CommentList::eraseAll() {
    if (!head) return 0;
    while (head) {
        Comment* next = head->next;
        delete head;
        head = next;
    }
    tail = nullptr;
    return 1;
}

Comment* CommentList::find(const CString& name) const {
    for (Comment* c = head; c; c = c->next)
        if (std::strcmp(c->name, name) == 0) return c;
    return nullptr;
}
