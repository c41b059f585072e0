#pragma once
// A picture or icon control: draws an SVG resource as vectors, so it stays crisp on high-DPI
// screens. A picture is drawn at the SVG's own size, centred in the control (what does not fit is
// cut off); an icon at the standard icon size in the top-left corner. A missing resource leaves
// an empty frame of the control's size.

#include <QSvgRenderer>
#include <QWidget>

class PictureControl : public QWidget {
  public:
    enum class Mode { Centred, Icon };
    PictureControl(const QString& strSvgPath, Mode mode, QWidget* pParent);

    bool HasImage() const { return m_renderer.isValid(); }
    QRectF ImageRect() const;  // where the image is drawn, in the control's coordinates

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QSvgRenderer m_renderer;
    Mode m_mode;
};
