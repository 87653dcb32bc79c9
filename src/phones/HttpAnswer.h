#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One answer of the players' page server: status, headers and body, written
// as they stand. Every answer carries the same strict headers (see
// strictHeaders), refusals included.
struct HttpAnswer {
    int status = 200;
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;
    // Refusals close the connection after the answer.
    bool closeAfter = false;
};

// The page's content-security policy: only the program's own script, style
// and data; no frames, forms, plugins or outside addresses.
inline constexpr char kContentSecurityPolicy[] =
    "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; "
    "connect-src 'self'; base-uri 'none'; form-action 'none'; frame-ancestors 'none'";

// The reason phrase of a status the server gives ("OK", "Not Found", ...).
std::string_view reasonPhrase(int status);

// An answer with a body of the given type and the strict headers.
HttpAnswer answerWith(int status, std::string_view contentType, std::string body);

// A refusal: a short plain-text body, the strict headers, closes the
// connection. 405 also names the one allowed method.
HttpAnswer refusal(int status);

// The answer as bytes on the wire (HTTP/1.1, with Content-Length).
std::string wireBytes(const HttpAnswer& answer);
