#include "platform/two_column_list.h"

TTwoColumnList::TTwoColumnList(TWindow* parent, int id, std::string_view leftHeading,
                               std::string_view rightHeading, int x, int y, int w, int h)
    : TWindow(parent, id, {}, x, y, w, h), leftHeading_(leftHeading), rightHeading_(rightHeading) {}
