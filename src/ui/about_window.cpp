#include "ui/about_window.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "version.h"

namespace dorvel::ui {

Ttelefon::Ttelefon(QWidget* parent) : QDialog(parent) {
  setObjectName("Ttelefon");
  setWindowTitle("Author");
  setModal(true);

  auto* name = new QLabel("Dorvel", this);
  name->setObjectName("LaNazwa");
  QFont big = name->font();
  big.setPointSize(big.pointSize() * 2);
  big.setBold(true);
  name->setFont(big);
  name->setAlignment(Qt::AlignCenter);

  auto* version = new QLabel(QStringLiteral("Version ") + QString::fromLatin1(kVersion), this);
  version->setObjectName("LaWersja");
  version->setAlignment(Qt::AlignCenter);

  auto* what = new QLabel(
      "Flow measurement with differential-pressure devices\n"
      "ISO 5167, ISO/TR 15377, ASME MFC-14M",
      this);
  what->setAlignment(Qt::AlignCenter);

  auto* contact = new QLabel(
      "The Dorvel developers\n"
      "Questions and error reports: through the project's issue tracker",
      this);
  contact->setObjectName("LaKontakt");
  contact->setAlignment(Qt::AlignCenter);

  ok_ = new QPushButton("OK", this);
  ok_->setObjectName("BuOK");
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  // The "more" button of the original layout has nothing to show.
  auto* more = new QPushButton("Wi\u0119cej", this);
  more->setObjectName("BuWiecej");
  more->hide();

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(more);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 20, 24, 16);
  layout->setSpacing(12);
  layout->addWidget(name);
  layout->addWidget(version);
  layout->addWidget(what);
  layout->addWidget(contact);
  layout->addLayout(buttons);
}

void showAboutWindow(QWidget* parent) {
  Ttelefon window(parent);
  window.exec();
}

}  // namespace dorvel::ui
