#include "qt/QtApplication.h"

#include <QApplication>
#include <QStyleFactory>

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "qt/Conversions.h"
#include "qt/FormWindow.h"
#include "qt/QtPrinter.h"
#include "qt/QtRenderer.h"
#include "qt/QtServices.h"

namespace tess::qt {

QtApplication::QtApplication()
    : m_messageBoxes(std::make_unique<QtMessageBoxes>()),
      m_modalLoop(std::make_unique<QtModalLoop>(*this)),
      m_programEnd(std::make_unique<QtProgramEnd>()),
      m_renderer(std::make_unique<QtRenderer>(*m_modalLoop)),
      m_printer(std::make_unique<QtPrinter>(*m_renderer)) {
  installFontSubstitutions();
  // One look on every desktop, and one that draws buttons in the colours the screens give them.
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);
  // Windows are hidden, never closed; the program ends only when the forms layer ends it.
  QApplication::setQuitOnLastWindowClosed(false);
  setServices({m_messageBoxes.get(), m_printer.get(), m_modalLoop.get(), m_programEnd.get()});
  setRenderer(m_renderer.get());
}

QtApplication::~QtApplication() { setRenderer(nullptr); }

void QtApplication::setPdfOutput(std::string path) { m_printer->setPdfOutput(std::move(path)); }

FormWindow& QtApplication::window(forms::Form& form) { return m_renderer->window(form); }

QWidget* QtApplication::widget(forms::Control& control) { return window(control.form()).widgetFor(control); }

}  // namespace tess::qt
