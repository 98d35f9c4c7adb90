#include "KeywordList.h"

#include "Require.h"

namespace keywords {

const KeywordList& Find(const KeywordLists& lists, const std::string& keyword)
{
    for (const KeywordList& list : lists) {
        if (list.keyword == keyword)
            return list;
    }
    Require(false, "no list " + keyword);
    return lists.front();
}

}  // namespace keywords
