#pragma once
// A group box as dialog templates mean it: a frame whose top line runs through the middle of
// its caption, so the whole rectangle of the template is the frame. (QGroupBox puts the caption
// above the frame, which moves the frame down onto the controls of small groups.)

#include <QWidget>

class GroupFrame : public QWidget {
  public:
    GroupFrame(const QString& strCaption, QWidget* pParent);
    QString Caption() const { return m_strCaption; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString m_strCaption;
};
