#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/text/utf8.h"
#include "os/posix/code_page_text.h"
#include "support/paint_counter.h"
#include "ui/qt/qt_fixture.h"
#include "ui/qt/widgets.h"

namespace vs::test {
namespace {

TEST(QtLayout, DialogUnitsScaleByTheFontBaseUnits) {
  const BaseUnits units{6, 13};
  EXPECT_EQ(toPixels({0, 40, 112, 132}, units), QRect(0, 65, 168, 214));
  // Edges are converted, so neighbours meet without gaps or overlaps.
  EXPECT_EQ(toPixels({1, 1, 1, 1}, units), QRect(1, 1, 2, 2));
  EXPECT_EQ(toPixels({2, 2, 1, 1}, units).left(), toPixels({1, 1, 1, 1}, units).right() + 1);
}

TEST(QtLayout, BaseUnitsComeFromTheFontsAverageLetterAndHeight) {
  qtApplication();
  QFont font = dialogFont(starterTemplate());
  EXPECT_EQ(font.pointSize(), 8);
  const BaseUnits units = dialogBaseUnits(font);
  const QFontMetrics metrics(font);
  EXPECT_EQ(units.y, metrics.height());
  EXPECT_NEAR(units.x, metrics.averageCharWidth(), 2);
  EXPECT_GT(units.x, 3);
}

TEST(QtLayout, ControlsFollowTheTemplateInPlaceAndTabOrder) {
  QtGame qt;
  QtWindow& w = qt.open();
  const BaseUnits units = dialogBaseUnits(w.widget().font());
  EXPECT_EQ(w.widget().size(), toPixels({0, 0, 315, 265}, units).size());
  EXPECT_EQ(w.control(IDC_MODLIST)->geometry(), toPixels({0, 40, 112, 132}, units));
  EXPECT_EQ(w.control(IDC_DESCRIPTION)->geometry(), toPixels({116, 80, 196, 92}, units));
  EXPECT_EQ(w.control(IDC_ARCHIVELOG)->geometry(), toPixels({4, 196, 308, 60}, units));
  // The banner fills its place whatever the font's base units.
  const auto* banner = w.controlAs<QLabel>(IDC_BANNER);
  EXPECT_EQ(banner->geometry(), toPixels({0, 0, 316, 37}, units));
  EXPECT_EQ(banner->pixmap().size(), banner->size());
  EXPECT_EQ(w.widget().windowTitle(), "VornakStarter v1.13");
  EXPECT_FALSE(w.widget().windowIcon().isNull());

  // The order in which Tab reaches the template's first controls.
  std::vector<QWidget*> reached;
  QWidget* at = w.control(IDC_MODLIST);
  for (int step = 0; step < 200 && reached.size() < 8; ++step, at = at->nextInFocusChain()) {
    for (int id :
         {int{IDC_MODLIST}, int{IDC_NOMUSIC}, int{IDC_NOSOUND}, int{IDC_WINDOWED}, int{kIdOk},
          int{kIdCancel}, int{IDC_DESCRIPTION}, int{IDC_PARAMETERS}, int{IDC_DEVELOPMENT}}) {
      if (at == w.control(id) && std::find(reached.begin(), reached.end(), at) == reached.end())
        reached.push_back(at);
    }
  }
  const std::vector<QWidget*> expected{w.control(IDC_MODLIST),     w.control(IDC_NOMUSIC),
                                       w.control(IDC_NOSOUND),     w.control(IDC_WINDOWED),
                                       w.control(kIdOk),           w.control(kIdCancel),
                                       w.control(IDC_DESCRIPTION), w.control(IDC_PARAMETERS)};
  EXPECT_EQ(reached, expected);
  EXPECT_EQ(w.control(IDC_BANNER)->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(QApplication::focusWidget() == nullptr || QApplication::focusWidget() == &qt.list(),
            true);
}

TEST(QtLayout, OneLineTextsAreNotClipped) {
  QtGame qt;
  QtWindow& w = qt.open();
  for (QLabel* label : w.widget().findChildren<QLabel*>()) {
    if (label->pixmap().isNull() && !label->wordWrap()) {
      EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
    }
  }
  for (int id : {int{IDC_NOMUSIC}, int{IDC_NOSOUND}, int{IDC_WINDOWED}, int{IDC_CONVERTTEXTURES}}) {
    EXPECT_GE(w.control(id)->width(), w.control(id)->sizeHint().width()) << id;
  }
  auto* physical = w.controlAs<QAbstractButton>(IDC_PHYSICALFIRST);
  EXPECT_TRUE(physical->text().contains('\n'));
  EXPECT_EQ(w.text(IDC_PHYSICALFIRST), "process physical files on disk first (virtual VDFS last)");
}

bool onWholeDevicePixel(int edge, qreal ratio) {
  return std::abs(edge * ratio - std::round(edge * ratio)) < 1e-6;
}

TEST(QtLayout, EdgesMoveToTheNearestWholeDevicePixel) {
  const QRect rects[] = {{7, 65, 168, 214}, {174, 130, 294, 149}, {1, 1, 1, 1}, {0, 0, 3, 5}};
  for (const qreal ratio : {1.0, 1.25, 1.5, 1.75, 2.0}) {
    const int step = ratio == 1.5 ? 2 : ratio == 2.0 || ratio == 1.0 ? 1 : 4;
    for (const QRect& rect : rects) {
      SCOPED_TRACE(testing::Message() << ratio << " " << rect.x() << "," << rect.y());
      const QRect nearest = onWholeDevicePixels(rect, ratio);
      const QRect outward = onWholeDevicePixels(rect, ratio, PixelSnap::outward);
      for (const QRect& r : {nearest, outward}) {
        for (int edge : {r.left(), r.top(), r.right(), r.bottom()})
          EXPECT_TRUE(onWholeDevicePixel(edge, ratio)) << edge;
      }
      EXPECT_LE(std::abs(nearest.left() - rect.left()), step / 2);
      EXPECT_LE(std::abs(nearest.right() - rect.right()), step / 2);
      EXPECT_LE(std::abs(nearest.bottom() - rect.bottom()), step / 2);
      EXPECT_TRUE(outward.contains(rect));
      EXPECT_LT(outward.width(), rect.width() + 2 * step);
    }
  }
}

// Also run at 125, 150 and 175 % (QT_SCALE_FACTOR, tests/CMakeLists.txt).
TEST(QtLayout, FramedControlsLieOnWholeDevicePixels) {
  QtGame qt;
  QtWindow& w = qt.open();
  const qreal ratio = w.widget().devicePixelRatioF();
  EXPECT_DOUBLE_EQ(ratio, qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
  int framed = 0;
  for (QWidget* control : w.widget().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (qobject_cast<QLabel*>(control))
      continue;
    ++framed;
    const QRect r = control->geometry();
    for (int edge : {r.left(), r.top(), r.right(), r.bottom()})
      EXPECT_TRUE(onWholeDevicePixel(edge, ratio)) << control->metaObject()->className() << edge;
  }
  EXPECT_GT(framed, 10);
}

TEST(QtTextCodec, ValidUtf8IsUtf8AndEverythingElseWindows1252) {
  useCodePageConverter(&codePageToUtf8);  // as the program does
  EXPECT_TRUE(isUtf8("plain"));
  EXPECT_TRUE(isUtf8("J\xC3\xBCrgen"));
  EXPECT_FALSE(isUtf8("J\xFCrgen"));
  EXPECT_FALSE(isUtf8("\xC3"));  // cut short
  EXPECT_EQ(decodeBytes("J\xC3\xBCrgen"), QString::fromUtf8("J\u00FCrgen"));
  EXPECT_EQ(decodeBytes("J\xFCrgen"), QString::fromUtf8("J\u00FCrgen"));
  EXPECT_EQ(decodeBytes("\x80\x9F\x8A"), QString::fromUtf8("\u20AC\u0178\u0160"));
  EXPECT_EQ(decodeBytes("\x81\xFF"), QString(QChar(0x81)) + QChar(0xFF));
  EXPECT_EQ(encodeText(QString::fromUtf8("\u00E9")), "\xC3\xA9");
}

TEST(QtTextCodec, AChangedTextReadsBackAsUtf8AndAnUnchangedOneAsItsBytes) {
  QtGame qt;
  QtWindow& w = qt.open();
  w.setText(IDC_PARAMETERS, "-x \xE9");
  EXPECT_EQ(w.text(IDC_PARAMETERS), "-x \xE9");
  qobject_cast<QLineEdit*>(w.control(IDC_PARAMETERS))->setText(QString::fromUtf8("-y \u00E9"));
  EXPECT_EQ(w.text(IDC_PARAMETERS), "-y \xC3\xA9");
}

TEST(QtArchiveLog, ALineShowsAtOnceButPaintsAreGatheredPerFrame) {
  QtGame qt;
  QtWindow& w = qt.open();
  auto* log = w.controlAs<QListView>(IDC_ARCHIVELOG);
  EXPECT_EQ(log->selectionMode(), QAbstractItemView::NoSelection);
  QApplication::processEvents();
  std::this_thread::sleep_for(kFrameInterval * 2);

  const PaintCounter counter(log->viewport());
  const int before = counter.paints();
  w.addLine(IDC_ARCHIVELOG, "../data/a.mod --> ../data/modvdf/a.mod");
  w.repaintNow(IDC_ARCHIVELOG);
  EXPECT_EQ(counter.paints(), before + 1);  // painted before returning

  const auto started = std::chrono::steady_clock::now();
  for (int i = 0; i < 3000; ++i) {
    w.addLine(IDC_ARCHIVELOG, "line " + std::to_string(i));
    w.repaintNow(IDC_ARCHIVELOG);
  }
  const auto elapsed = std::chrono::steady_clock::now() - started;
  const int framesAllowed = static_cast<int>(elapsed / kFrameInterval) + 2;
  EXPECT_LE(counter.paints() - before - 1, framesAllowed);

  QApplication::processEvents();
  EXPECT_EQ(log->model()->rowCount(), 3001);
  EXPECT_EQ(log->verticalScrollBar()->value(), log->verticalScrollBar()->maximum());
  EXPECT_TRUE(log->viewport()->rect().intersects(log->visualRect(log->model()->index(3000, 0))));
}

}  // namespace
}  // namespace vs::test

namespace vs::test {
namespace {

// The dialog's own paint, without its controls.
QImage paintDialogOnly(QWidget& dialog) {
  QImage image(dialog.size(), QImage::Format_ARGB32);
  image.fill(Qt::magenta);
  dialog.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
  return image;
}

int pixelsUnlikeTheCorner(const QImage& image, QRect area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x)
      count += image.pixel(x, y) != image.pixel(0, 0);
  }
  return count;
}

TEST(QtMinimised, TheIconIsPaintedInTheMiddleOfTheClientArea) {
  QtGame qt;
  QtWindow& w = qt.open();
  const Size icon = w.systemIconSize();
  const QRect middle(QPoint((w.clientSize().width - icon.width + 1) / 2,
                            (w.clientSize().height - icon.height + 1) / 2),
                     QSize(icon.width, icon.height));
  EXPECT_EQ(pixelsUnlikeTheCorner(paintDialogOnly(w.widget()), middle), 0);

  w.widget().setWindowState(Qt::WindowMinimized);
  ASSERT_TRUE(w.isMinimised());
  const QImage minimised = paintDialogOnly(w.widget());
  EXPECT_GT(pixelsUnlikeTheCorner(minimised, middle), icon.width * icon.height / 4);
  EXPECT_EQ(pixelsUnlikeTheCorner(minimised, QRect(0, 0, w.clientSize().width, middle.top())), 0);
}

}  // namespace
}  // namespace vs::test
