#pragma once
// The window's system menu as a list of items. On Linux the window manager owns the title bar's
// menu, so the dialog shows this list itself (right click on its background, Alt+Space) and sends
// each chosen item to OnSysCommand.

#include <QString>
#include <vector>

inline constexpr unsigned MF_STRING = 0x0000;
inline constexpr unsigned MF_SEPARATOR = 0x0800;

class CMenu {
  public:
    struct Item {
        bool bSeparator;
        unsigned nID;  // the command sent to OnSysCommand
        QString text;  // "&" marks the access key
    };

    void AppendMenu(unsigned nFlags, unsigned nIDNewItem = 0, const QString& strNewItem = {});
    const std::vector<Item>& Items() const { return m_items; }

  private:
    std::vector<Item> m_items;
};
