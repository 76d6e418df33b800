// Reads the network as it stands now: the site description, each server's logon file and the
// printers of this computer that stand for a server's print queues.
#pragma once

#include "net_site.h"

// This computer is one of the servers, in no domain unless the site names it in one.
// A printer is a site server's print queue when its location is "\\SERVER\QUEUE" and SERVER
// is a server of the site; QUEUE is the queue's share name, the printer's comment its comment.
NetSite ReadNetSite();
