#include "system_menu.h"

void CMenu::AppendMenu(unsigned nFlags, unsigned nIDNewItem, const QString& strNewItem) {
    const bool bSeparator = (nFlags & MF_SEPARATOR) != 0;
    m_items.push_back(
        {bSeparator, bSeparator ? 0u : nIDNewItem, bSeparator ? QString() : strNewItem});
}
