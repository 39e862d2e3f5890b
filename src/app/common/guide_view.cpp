#include "app/common/guide_view.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>

#include "app/common/help.h"
#include "engine/helpers/help_topics.h"

namespace vostrel::app {

GuideView::GuideView(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    document()->setDocumentMargin(12);
    connect(this, &QTextBrowser::anchorClicked, this, &GuideView::LinkClicked);
}

void GuideView::Open(const QUrl& address) {
    QUrl page = address;
    page.setFragment(QString());
    QUrl shown = source();
    shown.setFragment(QString());
    if (page != shown) setSource(page);
    if (address.hasFragment()) ScrollToHeading(address.fragment());
}

bool GuideView::ScrollToHeading(const QString& anchor) {
    const std::string wanted = anchor.toStdString();
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0) continue;
        if (HeadingAnchor(block.text().toStdString()) != wanted) continue;
        setTextCursor(QTextCursor(block));
        const QRectF box = document()->documentLayout()->blockBoundingRect(block);
        verticalScrollBar()->setValue(static_cast<int>(box.top()));
        return true;
    }
    return false;
}

void GuideView::LinkClicked(const QUrl& link) {
    const QString scheme = link.scheme();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("mailto")) {
        OpenDocument(link.toString());
        return;
    }
    Open(source().resolved(link));
}

}  // namespace vostrel::app
