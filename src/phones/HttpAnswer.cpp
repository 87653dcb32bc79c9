#include "phones/HttpAnswer.h"

std::string_view reasonPhrase(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 408:
        return "Request Timeout";
    case 414:
        return "URI Too Long";
    case 431:
        return "Request Header Fields Too Large";
    case 503:
        return "Service Unavailable";
    default:
        return "Error";
    }
}

HttpAnswer answerWith(int status, std::string_view contentType, std::string body) {
    HttpAnswer answer;
    answer.status = status;
    answer.body = std::move(body);
    answer.headers = {
        {"Content-Type", std::string(contentType)},
        {"Cache-Control", "no-store"},
        {"Content-Security-Policy", kContentSecurityPolicy},
        {"X-Content-Type-Options", "nosniff"},
        {"X-Frame-Options", "DENY"},
        {"Referrer-Policy", "no-referrer"},
        {"Cross-Origin-Resource-Policy", "same-origin"},
    };
    return answer;
}

HttpAnswer refusal(int status) {
    HttpAnswer answer =
        answerWith(status, "text/plain; charset=utf-8", std::string(reasonPhrase(status)) + "\n");
    if (status == 405) {
        answer.headers.emplace_back("Allow", "GET");
    }
    answer.closeAfter = true;
    return answer;
}

std::string wireBytes(const HttpAnswer& answer) {
    std::string bytes = "HTTP/1.1 " + std::to_string(answer.status) + " ";
    bytes += reasonPhrase(answer.status);
    bytes += "\r\n";
    for (const auto& [name, value] : answer.headers) {
        bytes += name + ": " + value + "\r\n";
    }
    bytes += "Content-Length: " + std::to_string(answer.body.size()) + "\r\n";
    if (answer.closeAfter) {
        bytes += "Connection: close\r\n";
    }
    bytes += "\r\n";
    bytes += answer.body;
    return bytes;
}
