#include "app/common/display_text.h"

#include <QStringDecoder>

namespace vostrel::app {

QString ToDisplayText(std::string_view bytes) {
    bool ascii = true;
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    const auto size = static_cast<qsizetype>(bytes.size());
    if (ascii) return QString::fromLatin1(bytes.data(), size);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(QByteArrayView(bytes.data(), size));
    if (decoder.hasError()) return QString::fromLatin1(bytes.data(), size);
    return text;
}

std::string FromDisplayText(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace vostrel::app
