#include "app/StorageMessages.h"

#include "text/Utf8.h"

std::u16string cutShortWarning(long long meetings) {
    return u"ﾌｧｲﾙが途中で切れています。読み込めた" + fromUtf8(std::to_string(meetings)) +
           u"回分の試合を開きます。";
}
