#include <ploxen/platform/afx/ResourceChain.h>

#include <algorithm>
#include <vector>

namespace {

struct Table {
    const DLGTEMPLATE_DATA* templates;
    int count;
};

// Never destroyed: modules unlink their tables while the process exits, after ordinary statics
// are gone.
std::vector<Table>& chain() {
    static auto* tables = new std::vector<Table>;
    return *tables;
}

} // namespace

void addResourceTemplates(const DLGTEMPLATE_DATA* templates, int count) {
    if (templates && count > 0) chain().insert(chain().begin(), Table{templates, count});
}

void removeResourceTemplates(const DLGTEMPLATE_DATA* templates) {
    auto& c = chain();
    c.erase(std::remove_if(c.begin(), c.end(),
                           [&](const Table& t) { return t.templates == templates; }),
            c.end());
}

const DLGTEMPLATE_DATA* findDialogTemplate(UINT id) {
    for (const Table& t : chain())
        for (int i = 0; i < t.count; ++i)
            if (t.templates[i].id == id) return &t.templates[i];
    return nullptr;
}
