#include "UnitAbout.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include "AppDirLayout.h"
#include "CentreOnScreen.h"
#include "ClickSound.h"
#include "ConfigFile.h"
#include "EmbeddedData.h"
#include "IoErrorBox.h"

namespace {
const QString kTitle = QStringLiteral("About ...");
const QString kProductPage = QStringLiteral("https://zelto2000.example.org/");
const QString kAuthor = QStringLiteral("Zelto 2000 team");
const QString kAddress = QStringLiteral("zelto2000.example.org");
const QString kCreditLine = QStringLiteral("A game by the ") + kAuthor;
const QString kVisitLine =
    QStringLiteral("Visit ") + kAddress + QStringLiteral(" for skins, sounds and updates.");
const QRect kCreditRect(16, 96, 329, 65);
const QRect kButtonRect(136, 160, 89, 25);
const QColor kLinkColour(128, 0, 0);

QString transparentSpan(const QString& text) {
    return QStringLiteral("<span style=\"color: transparent\">") + text.toHtmlEscaped() +
           QStringLiteral("</span>");
}

// The credits as Label1 shows them: the linked words are left invisible there, the
// link labels on top draw them.
QString creditHtml() {
    QString line1 = kCreditLine.toHtmlEscaped();
    line1.replace(kAuthor.toHtmlEscaped(), transparentSpan(kAuthor));
    QString line3 = kVisitLine.toHtmlEscaped();
    line3.replace(kAddress.toHtmlEscaped(), transparentSpan(kAddress));
    return line1 + QStringLiteral("<br><br>") + line3;
}

// Where `word` lands in the laid-out document, in document coordinates.
QRect wordRect(QTextDocument& doc, const QString& word) {
    const int from = static_cast<int>(doc.toPlainText().indexOf(word));
    if (from < 0) return QRect();
    doc.documentLayout()->documentSize();
    const QTextBlock block = doc.findBlock(from);
    const QTextLayout* layout = block.layout();
    const int start = from - block.position();
    const QTextLine line = layout->lineForTextPosition(start);
    if (!line.isValid()) return QRect();
    const qreal x1 = line.cursorToX(start);
    const qreal x2 = line.cursorToX(start + static_cast<int>(word.size()));
    const QPointF origin = layout->position();
    return QRectF(origin.x() + x1, origin.y() + line.y(), x2 - x1, line.height()).toAlignedRect();
}
}  // namespace

TFormAbout::TFormAbout(WaveOutput& wave, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), wave_(wave) {
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(kTitle);
    setFixedSize(kWidth, kHeight);
    setModal(true);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));

    background_ = new QLabel(this);
    background_->setObjectName(QStringLiteral("Background"));
    background_->setGeometry(0, 0, kWidth, kHeight);
    background_->setScaledContents(true);
    background_->setPixmap(EmbeddedData::picture(QStringLiteral("About.jpg"), size()));
    background_->installEventFilter(this);

    buttonUp_ = EmbeddedData::picture(QStringLiteral("AboutButtonUp.jpg"), kButtonRect.size());
    buttonDown_ = EmbeddedData::picture(QStringLiteral("AboutButtonDown.jpg"), kButtonRect.size());

    buildCredits();

    closeButton_ = new QLabel(this);
    closeButton_->setObjectName(QStringLiteral("Buttton"));
    closeButton_->setGeometry(kButtonRect);
    closeButton_->setScaledContents(true);
    closeButton_->setCursor(Qt::PointingHandCursor);
    closeButton_->setPixmap(buttonUp_);
    closeButton_->installEventFilter(this);
    closeButton_->setAccessibleName(QStringLiteral("Close"));
    closeButton_->setAccessibleDescription(QStringLiteral("Close the about box"));

    productPage_.setUrl(kProductPage);
    productPage_.setBrowserState(gwMaximized);
    contactPage_.setBrowserState(gwMaximized);
}

void TFormAbout::buildCredits() {
    QFont bold = font();
    bold.setBold(true);

    credits_ = new QLabel(this);
    credits_->setObjectName(QStringLiteral("Label1"));
    credits_->setGeometry(kCreditRect);
    credits_->setFont(bold);
    credits_->setTextFormat(Qt::RichText);
    credits_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    credits_->setWordWrap(true);
    credits_->setTextInteractionFlags(Qt::NoTextInteraction);
    credits_->setText(creditHtml());

    // The same layout as Label1's, to put each link exactly over its words.
    QTextDocument doc;
    doc.setDefaultFont(bold);
    doc.setDocumentMargin(0);
    QTextOption option(Qt::AlignHCenter);
    option.setWrapMode(QTextOption::WordWrap);
    doc.setDefaultTextOption(option);
    doc.setTextWidth(kCreditRect.width());
    doc.setHtml(creditHtml());

    authorLink_ = makeLink(QStringLiteral("Label2"), kAuthor, QStringLiteral("Contact the author"));
    authorLink_->setGeometry(wordRect(doc, kAuthor).translated(kCreditRect.topLeft()));
    addressLink_ =
        makeLink(QStringLiteral("Label3"), kAddress, QStringLiteral("Visit Zelto's web page"));
    addressLink_->setGeometry(wordRect(doc, kAddress).translated(kCreditRect.topLeft()));
}

QLabel* TFormAbout::makeLink(const QString& name, const QString& text, const QString& hint) {
    auto* link = new QLabel(text, this);
    link->setObjectName(name);
    QFont font = credits_->font();
    font.setUnderline(true);
    link->setFont(font);
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, kLinkColour);
    link->setPalette(palette);
    link->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    link->setCursor(Qt::PointingHandCursor);
    link->setToolTip(hint);
    link->setAccessibleName(hint);
    link->setAccessibleDescription(text);
    link->installEventFilter(this);
    return link;
}

void TFormAbout::setAppDir(const QString& appDir) {
    appDir_ = appDir;
    // Also here, so the link is right even when a showing stops at a read error.
    contactPage_.setUrl(AppDirLayout(appDir_).contactPage());
}

void TFormAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TFormAbout::FormShow() {
    if (!appDir_.isEmpty()) QDir::setCurrent(appDir_);
    try {
        ReadConfig(appDir_, config_);
    } catch (const ConfigIoError& error) {
        showIoError(this, error);
        return;
    }
    centreOnScreen(this, size());
    closeButton_->setPixmap(buttonUp_);
    contactPage_.setUrl(AppDirLayout(appDir_).contactPage());
    drag_.release();
}

void TFormAbout::ButttonMouseDown() {
    closeButton_->setPixmap(buttonDown_);
    playClick(wave_, config_, appDir_);
}

void TFormAbout::ButttonMouseUp() {
    closeButton_->setPixmap(buttonUp_);
    accept();
}

void TFormAbout::BackgroundMouseDown(int x, int y) {
    drag_.press(x, y);
}

void TFormAbout::BackgroundMouseMove(int x, int y) {
    drag_.move(x, y);
}

void TFormAbout::BackgroundMouseUp() {
    drag_.release();
}

void TFormAbout::Label2Click() {
    contactPage_.Go();
}

void TFormAbout::Label3Click() {
    productPage_.Go();
}

bool TFormAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == background_) return filterBackground(event);
    if (watched == closeButton_) return filterButton(event);
    if (watched == authorLink_ || watched == addressLink_)
        return filterLink(static_cast<QLabel*>(watched), event);
    return QDialog::eventFilter(watched, event);
}

bool TFormAbout::filterBackground(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
            BackgroundMouseDown(p.x(), p.y());
            return true;
        }
        case QEvent::MouseMove: {
            const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
            BackgroundMouseMove(p.x(), p.y());
            return true;
        }
        case QEvent::MouseButtonRelease:
            BackgroundMouseUp();
            return true;
        default:
            return false;
    }
}

bool TFormAbout::filterButton(QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        ButttonMouseDown();
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        ButttonMouseUp();
        return true;
    }
    return false;
}

// A click: the left button pressed and released on the same link.
bool TFormAbout::filterLink(QLabel* link, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return true;
    if (event->type() == QEvent::MouseButtonPress) {
        pressedLink_ = link;
        return true;
    }
    const bool clicked = pressedLink_ == link && link->rect().contains(mouse->position().toPoint());
    pressedLink_ = nullptr;
    if (clicked && link == authorLink_) Label2Click();
    if (clicked && link == addressLink_) Label3Click();
    return true;
}
