// FenwixAlertBuilder: hands the scanner's alerts to the alert builder library.
#include "alert_builder.h"

#include "fenwix.h"

int FenwixAlertBuilder::MakeAlert1(
    const std::string& server, int type, int count, const std::string& product, const std::string& text, int reserved)
{
    return ::MakeAlert1(server.c_str(), type, count, product.c_str(), text.c_str(), reserved);
}
