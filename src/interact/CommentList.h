// Text comments placed on a graph view, in the order they were added, each with a unique name.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/afx/CString.h>
#include <ploxen/platform/afx/geometry.h>
#include <ploxen/platform/afx/types.h>

// One comment; owned by its list.
struct Comment {
    CString name;
    CString text;
    LOGFONTA font;
    unsigned long color;
    CPoint position;
    Comment* next;
};

class AFX_EXT_CLASS CommentList {
public:
    Comment* head = nullptr;
    Comment* tail = nullptr;
    int count = 0;

    CommentList() = default;
    // Copies are deep: the copy holds its own records with the same names, and the same count.
    CommentList(const CommentList& other);
    CommentList& operator=(const CommentList& other);
    ~CommentList();

    // Appends a comment named by its number and text; returns the name.
    CString add(CString text, LOGFONTA font, unsigned long color, CPoint position);
    // Removes the first comment with that exact name; 1 if one was removed.
    int erase(CString name);
    // Removes every comment; 1 if there was any. The numbering goes on from count.
    int eraseAll();
    // First comment with that exact name, or null.
    Comment* find(const CString& name) const;

private:
    void append(Comment* c);
};
