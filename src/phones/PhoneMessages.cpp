#include "phones/PhoneMessages.h"

#include "text/Utf8.h"

std::u16string portUnavailableMessage(int port) {
    return u"ポート番号 " + fromUtf8(std::to_string(port)) +
           u" でスマホ表示を始められません。\r\n"
           u"ほかのプログラムが使っているかもしれません。別のポート番号を選んでください。";
}
