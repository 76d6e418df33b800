// Messages the post office tests share, written out byte for byte.
#pragma once

#include <string>

using namespace std::string_literals;

namespace samples {

// A text body and, inside a nested multipart, three attachments in three encodings, their
// names given three ways.
inline const std::string kNested = "From: Alice <alice@site>\r\n"
                                   "To: bob@site\r\n"
                                   "Subject: =?UTF-8?Q?r=C3=A9sum=C3=A9?=\r\n"
                                   "Date: Tue, 1 Jul 2003 10:52:37 +0200\r\n"
                                   "Message-ID: <1@site>\r\n"
                                   "MIME-Version: 1.0\r\n"
                                   "Content-Type: multipart/mixed; boundary=\"outer\"\r\n"
                                   "\r\n"
                                   "preamble\r\n"
                                   "--outer\r\n"
                                   "Content-Type: text/plain\r\n"
                                   "\r\n"
                                   "Hello Bob.\r\n"
                                   "--outer\r\n"
                                   "Content-Type: multipart/related;\r\n"
                                   " boundary=inner\r\n"
                                   "\r\n"
                                   "--inner\r\n"
                                   "Content-Type: application/octet-stream; name=\"a.bin\"\r\n"
                                   "Content-Transfer-Encoding: base64\r\n"
                                   "\r\n"
                                   "AAEC/w==\r\n"
                                   "--inner\r\n"
                                   "Content-Type: text/plain\r\n"
                                   "Content-Disposition: attachment; filename*=iso-8859-1''caf%E9.txt\r\n"
                                   "Content-Transfer-Encoding: quoted-printable\r\n"
                                   "\r\n"
                                   "caf=E9=\r\n"
                                   " noir\r\n"
                                   "--inner--\r\n"
                                   "--outer\r\n"
                                   "Content-Type: image/gif\r\n"
                                   "Content-Disposition: inline; filename=\"=?UTF-8?B?4oKsLmdpZg==?=\"\r\n"
                                   "Content-Transfer-Encoding: binary\r\n"
                                   "\r\n"
                                   "GIF\x00\x01"
                                   "\r\n--outer--\r\n"
                                   "epilogue\r\n"s;

// A plain single-part text message with LF line breaks.
inline const std::string kPlain = "From: carol@site\n"
                                  "To: dave@site\n"
                                  "Subject: lunch\n"
                                  "Date: Wed, 2 Jul 2003 12:00:00 +0000\n"
                                  "\n"
                                  "See you at noon.\n";

}  // namespace samples
