// SPDX-License-Identifier: MIT
// gps-host PORT [SENTENCES]: creates the receiver link control by its name
// "vx.vxcomm", sets and reads a setting by name, opens serial port PORT (the
// device ~/.config/vx/comPORT links to) and prints the sentences the
// receiver reports, SENTENCES of them or until interrupted.
#include <QApplication>
#include <QDateTime>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <kestrune/control_loader.h>
#include <kestrune/late_bound.h>
#include <kestrune/vx_error.h>

#include "sentence_printer.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: gps-host PORT [SENTENCES]\n");
    return 2;
  }
  QApplication app(argc, argv);
  try {
    const std::unique_ptr<QWidget> control = vx::createControl("vx.vxcomm");
    vx::LateBound gps(control.get());
    gps.put("Latitude", "52.06");  // by name, converted as the control's own interface does
    gps.put("LongHemisphere", "E");
    gps.put("Longitude", "5.14");
    // The computer's own time difference, as hours (the control rounds them):
    // the receiver then gets the exact UTC time.
    gps.put("TimeZone", -QDateTime::currentDateTime().offsetFromUtc() / 3600.0);
    std::printf("Latitude is %s\n", qPrintable(gps.get("Latitude").toString()));

    SentencePrinter printer(control.get(), argc > 2 ? std::atoi(argv[2]) : 0);
    QObject::connect(control.get(), SIGNAL(OnComm()), &printer, SLOT(onComm()));
    gps.put("CommPort", std::atoi(argv[1]));
    gps.put("DTREnable", true);
    gps.put("RTSEnable", true);
    gps.put("PortOpen", -1);
    return app.exec();
  } catch (const vx::Error& error) {
    std::fprintf(stderr, "gps-host: %s (error %d)\n", error.description().c_str(), error.number());
    return 1;
  }
}
