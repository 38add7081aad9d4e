#include "qt/QtPrinter.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <memory>

#include "platform/forms/Form.h"
#include "qt/Conversions.h"
#include "qt/FormWindow.h"
#include "qt/QtRenderer.h"

namespace tess::qt {

forms::PrintResult QtPrinter::printForm(forms::Form& form) {
  std::unique_ptr<QPrinter> printer;
  if (!m_pdfPath.empty()) {
    printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(toQString(m_pdfPath));
  } else {
    // A QPrinter without a printer behind it would quietly write an unnamed PDF file instead.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
      return {false, "No printer is installed on this computer, so the window was not printed. "
                     "Install a printer and set it as the default printer, then print again."};
    printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  }
  printer->setDocName(toQString(form.caption().empty() ? form.name() : form.caption()));

  FormWindow& window = m_renderer.window(form);
  const QPixmap image = window.grab();
  if (image.isNull()) return {false, "The window could not be printed: its image could not be taken."};

  QPainter painter;
  if (!painter.begin(printer.get()))
    return {false, "The window could not be printed: the printer could not be started."};
  // The image's pixels are logical pixels at 96 per inch; the page counts printer dots.
  const double dotsPerPixel = printer->resolution() / 96.0;
  QSizeF size = QSizeF(image.size()) / image.devicePixelRatio() * dotsPerPixel;
  const QRectF page = printer->pageLayout().paintRectPixels(printer->resolution());
  const double fit = std::min({1.0, page.width() / size.width(), page.height() / size.height()});
  size *= fit;
  painter.drawPixmap(QRectF(QPointF(0, 0), size), image, QRectF(image.rect()));
  if (!painter.end()) return {false, "The window could not be printed: the printer reported an error."};
  return {};
}

}  // namespace tess::qt
