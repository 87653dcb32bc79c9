#include "ui/phones/PhoneAssets.h"

#include <QFile>

namespace {

PhoneAsset loadAsset(const char* name, const char* file, const char* contentType) {
    QFile resource(QStringLiteral(":/phones/") + QLatin1String(file));
    resource.open(QIODevice::ReadOnly);
    const QByteArray bytes = resource.readAll();
    return {name, contentType,
            std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()))};
}

} // namespace

std::vector<PhoneAsset> loadPhoneAssets() {
    return {loadAsset("", "index.html", "text/html; charset=utf-8"),
            loadAsset("page.css", "page.css", "text/css; charset=utf-8"),
            loadAsset("page.js", "page.js", "text/javascript; charset=utf-8")};
}
