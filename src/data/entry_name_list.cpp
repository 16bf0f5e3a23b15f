#include "data/entry_name_list.h"

#include "app/str_util.h"

namespace {

template <class E>
void MakeEntryNameList(std::vector<std::string>& out, const std::vector<E>& list)
{
    out.clear();
    for (size_t i = 1; i < list.size(); ++i) {
        std::string strNumber;
        FormatIntPadded(strNumber, static_cast<s16>(i), 3);
        out.push_back(strNumber + " " + list[i].m_strName);
    }
}

}  // namespace

void MakeBlockNameList(std::vector<std::string>& out, const std::vector<cEdBlock>& blocks)
{
    MakeEntryNameList(out, blocks);
}

void MakeCharaNameList(std::vector<std::string>& out, const std::vector<cEdChara>& charas)
{
    MakeEntryNameList(out, charas);
}

void MakeItemNameList(std::vector<std::string>& out, const std::vector<cEdItem>& items)
{
    MakeEntryNameList(out, items);
}
