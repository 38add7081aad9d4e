#include "qt/QtServices.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

#include "platform/forms/Application.h"
#include "platform/forms/Form.h"
#include "qt/Conversions.h"

namespace tess::qt {

namespace {

QMessageBox::Icon toQIcon(forms::MsgIcon icon) {
  switch (icon) {
    case forms::MsgIcon::None: return QMessageBox::NoIcon;
    case forms::MsgIcon::Critical: return QMessageBox::Critical;
    case forms::MsgIcon::Exclamation: return QMessageBox::Warning;
    case forms::MsgIcon::Information: return QMessageBox::Information;
    case forms::MsgIcon::Question: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

forms::MsgAnswer QtMessageBoxes::show(const forms::MessageRequest& request) {
  QWidget* parent = QApplication::activeWindow();
  QMessageBox box(toQIcon(request.icon), windowTitle(request.title), toQString(request.text), QMessageBox::NoButton,
                  parent);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  if (request.buttons == forms::MsgButtons::YesNo) {
    QPushButton* yes = box.addButton(QMessageBox::Yes);
    QPushButton* no = box.addButton(QMessageBox::No);
    box.setDefaultButton(request.defaultButton == forms::MsgAnswer::No ? no : yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? forms::MsgAnswer::Yes : forms::MsgAnswer::No;
  }
  QPushButton* ok = box.addButton(QMessageBox::Ok);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  box.exec();
  return forms::MsgAnswer::OK;
}

void QtModalLoop::run(forms::Form& form) {
  QEventLoop loop;
  m_running.push_back({&form, &loop});
  while (form.visible() && !m_app.ended()) loop.exec();
  std::erase_if(m_running, [&loop](const Running& running) { return running.loop == &loop; });
}

void QtModalLoop::wake(const forms::Form& form) {
  for (const Running& running : m_running)
    if (running.form == &form) running.loop->quit();
}

void QtModalLoop::wakeAll() {
  for (const Running& running : m_running) running.loop->quit();
}

void QtProgramEnd::end() {
  // quit() acts only while the application's event loop runs (and leaves every loop nested in
  // it); exit() outside that loop would make every later event loop return at once.
  QCoreApplication::quit();
}

}  // namespace tess::qt
