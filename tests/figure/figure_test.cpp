// The figure and the icon are read from the source tree, so a missing, broken or resized file
// fails here rather than leaving an empty picture on the form.
#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <QSvgRenderer>
#include <QXmlStreamReader>

namespace {

const QString kResDir = QStringLiteral(QUENMAR_RES_DIR);
const QString kFigure = kResDir + QStringLiteral("/figure129.svg");
const QString kIcon = kResDir + QStringLiteral("/icon128.svg");

// Pixels that are not fully transparent after rendering onto a transparent image.
int paintedPixels(QSvgRenderer& renderer, QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  painter.end();
  int painted = 0;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) painted += qAlpha(row[x]) != 0 ? 1 : 0;
  }
  return painted;
}

// Text of every <text> element, one entry each.
QStringList textsOf(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QXmlStreamReader xml(&file);
  QStringList texts;
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
      texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
  }
  return xml.hasError() ? QStringList{} : texts;
}

TEST(Figure, LoadsAtItsNaturalSizeAndPaints) {
  QSvgRenderer renderer(kFigure);
  ASSERT_TRUE(renderer.isValid()) << kFigure.toStdString();
  EXPECT_EQ(renderer.defaultSize(), QSize(756, 232));
  // Drawn on its own white ground over the whole area, with line work over that.
  QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  painter.end();
  int white = 0, ink = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (qAlpha(p) == 255 && qRed(p) == 255 && qGreen(p) == 255 && qBlue(p) == 255) ++white;
      if (qGray(p) < 96 && qAlpha(p) == 255) ++ink;
    }
  const int area = image.width() * image.height();
  EXPECT_GT(white, area / 3);
  EXPECT_GT(ink, area / 100);
  // Each of the three drawings, one third of the width each, has line work of its own.
  for (int third = 0; third < 3; ++third) {
    int thirdInk = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = third * 252; x < (third + 1) * 252; ++x)
        thirdInk += qGray(image.pixel(x, y)) < 96 && qAlpha(image.pixel(x, y)) == 255 ? 1 : 0;
    EXPECT_GT(thirdInk, area / 600) << "drawing " << third;
  }
}

TEST(Figure, CarriesEveryLabelOfTheCoordinateSystem) {
  const QStringList texts = textsOf(kFigure);
  ASSERT_FALSE(texts.isEmpty()) << "no <text> read from " << kFigure.toStdString();
  const QString all = texts.join(QLatin1Char(' '));
  // How often each label is written: dimensions End-Top xS yD zD, the two others all six;
  // the nozzle names once per drawing; the triad once.
  const struct {
    const char* label;
    int count;
  } cases[] = {
      {"X", 1},      {"Y", 1},      {"Z", 1},       {"Suc", 3},    {"Dis", 3},
      {"xS", 3},     {"yS", 2},     {"zS", 2},      {"xD", 2},     {"yD", 3},
      {"zD", 3},     {"End-Top", 1}, {"Top-Top", 1}, {"Side-Side", 1},
      {"FIXED PT (0,0,0)", 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(texts.count(QString::fromLatin1(c.label)), c.count) << c.label;
  // The longer names may be broken over two lines; their words must follow one another.
  for (const char* phrase : {"PUMP CENTER POINT (0, 0, 0)", "PUMP CENTER PT (0, 0, 0)",
                             "PUMP SHAFT CENTER LINE", "PUMP PEDESTAL CENTER LINE"})
    EXPECT_TRUE(all.contains(QString::fromLatin1(phrase))) << phrase;
}

TEST(Icon, IsSquareAndPaintsAtEverySize) {
  QSvgRenderer renderer(kIcon);
  ASSERT_TRUE(renderer.isValid()) << kIcon.toStdString();
  const QSize natural = renderer.defaultSize();
  EXPECT_FALSE(natural.isEmpty());
  EXPECT_EQ(natural.width(), natural.height());
  for (int side : {16, 32, 48}) {
    const int painted = paintedPixels(renderer, QSize(side, side));
    // Neither empty nor a solid square: a symbol with background showing round it.
    EXPECT_GT(painted, side * side / 5) << side;
    EXPECT_LT(painted, side * side) << side;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
