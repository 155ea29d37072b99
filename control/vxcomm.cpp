// SPDX-License-Identifier: MIT
#include "control/vxcomm.h"

#include <QPainter>
#include <QPointer>
#include <atomic>
#include <exception>

#include "common/number_text.h"
#include "control/core/codecs.h"
#include "control/dispatch.h"
#include "control/error/vx_error.h"
#include "control/host/comm_events.h"
#include "control/property_bag.h"
#include "control/serial_port_service.h"
#include "control/variant_conversions.h"
#include "position/system_clock.h"

namespace {

std::atomic<int> instances{0};

using vx::kDefaultLatHemisphere;
using vx::kDefaultLatitude;
using vx::kDefaultLongHemisphere;
using vx::kDefaultLongitude;
using vx::kDefaultSatellitesInView;
using vx::kDefaultTimeZone;

std::string_view bytesOf(const QByteArray& bytes) {
  return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

}  // namespace

vxcomm::vxcomm(QWidget* parent)
    : QWidget(parent),
      port_(new vx::SerialPortService(this)),
      clock_(vx::systemLocalTime),
      link_(clock_, [this](std::string_view bytes) { writeToReceiver(bytes); }) {
  ++instances;
  noteClockForTimeZone();
  hide();  // nothing to see at run time
  connect(port_, &vx::SerialPortService::eventOccurred, this, &vxcomm::onPortEvent);
  Initialize();  // the settings start at their defaults, as InitProperties sets them
}

vxcomm::~vxcomm() { --instances; }

int vxcomm::liveInstances() { return instances; }

void vxcomm::setLocalClock(vx::LocalClock clock) {
  clock_ = clock;
  link_.setClock(std::move(clock));
  noteClockForTimeZone();
}

void vxcomm::noteClockForTimeZone() { vx::setTimeZone(link_.settings(), link_.settings().timeZone, clock_()); }

// --- Methods ----------------------------------------------------------------

QVariant vxcomm::addmsg(const QString& str) {
  link_.addmsg(str.toStdString());
  return {};
}

QString vxcomm::getmsg() { return QString::fromStdString(link_.getmsg()); }

double vxcomm::cvdi(const QByteArray& mys) { return vx::codec::cvdi(bytesOf(mys)); }
double vxcomm::cvti(const QByteArray& mys) { return vx::codec::cvti(bytesOf(mys)); }
double vxcomm::cvudi(const QByteArray& mys) { return vx::codec::cvudi(bytesOf(mys)); }
double vxcomm::cvi(const QByteArray& mys) { return vx::codec::cvi(bytesOf(mys)); }
double vxcomm::cvui(const QByteArray& mys) { return vx::codec::cvui(bytesOf(mys)); }
double vxcomm::crad(double degree) { return vx::codec::crad(degree); }
double vxcomm::cdeg(double rads) { return vx::codec::cdeg(rads); }
double vxcomm::cfeet(double meters) { return vx::codec::cfeet(meters); }

// --- Properties -------------------------------------------------------------

short vxcomm::CommEvent() const { return port_->CommEvent(); }

void vxcomm::setOdata(const QString& item) {
  port_->Output(vx::toByteText(item));
  emit PropertyChanged("Odata");
}

QString vxcomm::Idata() { return getmsg(); }

short vxcomm::CommPort() const { return port_->CommPort(); }

void vxcomm::setCommPort(short NewPort) {
  port_->setCommPort(NewPort);
  emit PropertyChanged("CommPort");
}

short vxcomm::PortOpen() const { return port_->PortOpen() ? -1 : 0; }

void vxcomm::setPortOpen(short OpenVal) {
  port_->setPortOpen(OpenVal != 0);  // a failure ends the write here
  emit PropertyChanged("PortOpen");
  Initialize();
}

bool vxcomm::DTREnable() const { return port_->DTREnable(); }

void vxcomm::setDTREnable(bool Value) {
  port_->setDTREnable(Value);
  emit PropertyChanged("DTREnable");
}

bool vxcomm::RTSEnable() const { return port_->RTSEnable(); }

void vxcomm::setRTSEnable(bool Value) {
  port_->setRTSEnable(Value);
  emit PropertyChanged("RTSEnable");
}

QString vxcomm::Latitude() const { return QString::fromStdString(link_.settings().latitude); }

void vxcomm::setLatitude(const QString& Value) {
  link_.settings().latitude = Value.toStdString();
  emit PropertyChanged("Latitude");
}

QString vxcomm::Longitude() const { return QString::fromStdString(vx::generalNumber(link_.settings().longitude)); }

void vxcomm::setLongitude(const QString& Value) {
  link_.settings().longitude = vx::toDouble(Value);
  emit PropertyChanged("Longitude");
}

QString vxcomm::LatHemisphere() const { return QString::fromStdString(link_.settings().latHemisphere); }

void vxcomm::setLatHemisphere(const QString& Value) {
  link_.settings().latHemisphere = Value.toStdString();
  emit PropertyChanged("LatHemisphere");
}

QString vxcomm::LongHemisphere() const { return QString::fromStdString(link_.settings().longHemisphere); }

void vxcomm::setLongHemisphere(const QString& Value) {
  link_.settings().longHemisphere = Value.toStdString();
  emit PropertyChanged("LongHemisphere");
}

short vxcomm::TimeZone() const { return link_.settings().timeZone; }

void vxcomm::setTimeZone(short Value) {
  vx::setTimeZone(link_.settings(), Value, clock_());
  emit PropertyChanged("TimeZone");
}

bool vxcomm::SatellitesInView() const { return link_.settings().satellitesInView; }

void vxcomm::setSatellitesInView(bool Value) {
  link_.settings().satellitesInView = Value;
  emit PropertyChanged("SatellitesInView");
}

void vxcomm::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.drawText(rect(), Qt::AlignCenter, "vx");
}

// --- Late binding -----------------------------------------------------------

int32_t vxcomm::dispatchIdOf(const QString& name) const { return vx::dispatchIdOf(name.toStdString()); }

QVariant vxcomm::invoke(int32_t dispatchId, vx::DispatchKind kind, const QVariantList& arguments) {
  return vx::invoke(*this, dispatchId, kind, arguments);
}

// --- Persistence ------------------------------------------------------------

void vxcomm::InitProperties() {
  link_.settings() = vx::LinkSettings{};
  noteClockForTimeZone();
}

void vxcomm::ReadProperties(vx::PropertyBag& bag) {
  // All or nothing: a bag with one bad value leaves every setting as it was.
  vx::LinkSettings read;
  read.latitude = vx::toText(bag.ReadProperty("Latitude", kDefaultLatitude)).toStdString();
  read.latHemisphere = vx::toText(bag.ReadProperty("LatHemisphere", kDefaultLatHemisphere)).toStdString();
  read.longitude = vx::toDouble(bag.ReadProperty("Longitude", kDefaultLongitude));
  read.longHemisphere = vx::toText(bag.ReadProperty("LongHemisphere", kDefaultLongHemisphere)).toStdString();
  read.timeZone = vx::toInt16(bag.ReadProperty("TimeZone", kDefaultTimeZone));
  read.satellitesInView = vx::toBool(bag.ReadProperty("SatellitesInView", kDefaultSatellitesInView));
  link_.settings() = std::move(read);
  noteClockForTimeZone();
}

void vxcomm::WriteProperties(vx::PropertyBag& bag) const {
  const vx::LinkSettings& settings = link_.settings();
  bag.WriteProperty("Latitude", QString::fromStdString(settings.latitude), kDefaultLatitude);
  bag.WriteProperty("LatHemisphere", QString::fromStdString(settings.latHemisphere), kDefaultLatHemisphere);
  bag.WriteProperty("Longitude", Longitude(), kDefaultLongitude);
  bag.WriteProperty("LongHemisphere", QString::fromStdString(settings.longHemisphere), kDefaultLongHemisphere);
  bag.WriteProperty("TimeZone", settings.timeZone, kDefaultTimeZone);
  bag.WriteProperty("SatellitesInView", settings.satellitesInView, kDefaultSatellitesInView);
}

// --- Receive path -----------------------------------------------------------

void vxcomm::Initialize() { link_.reset(); }

void vxcomm::writeToReceiver(std::string_view bytes) {
  const QByteArray output(bytes.data(), static_cast<qsizetype>(bytes.size()));
  port_->Output(output);
  emit Transmitted(output);
}

void vxcomm::onPortEvent() {
  const QPointer<vxcomm> alive(this);
  const short event = port_->CommEvent();
  if (event == vx::kComEvReceive) {
    receiveInput(port_->Input());
    return;
  }
  if (event >= vx::kComEventDeviceLost) {  // the line failed
    emit CommError(event, port_->lastEventDescription());
    if (!alive) return;
  }
  if (link_.sentencesWaiting()) emit OnComm();
}

// The link's receive loop over one read, raising OnComm after every step
// that leaves sentences waiting. The host's handler may destroy this
// control. What the handler throws is held past the receive path's trap
// and goes on to the host as it was; the trap turns only a failure of the
// receive path itself into CommError, since an exception may not cross
// Qt's event loop.
void vxcomm::receiveInput(const QByteArray& input) {
  const QPointer<vxcomm> alive(this);
  std::exception_ptr hostFailure;
  const auto raiseOnComm = [&alive, &hostFailure, this] {
    try {
      emit OnComm();
    } catch (...) {
      hostFailure = std::current_exception();
      return false;  // stop receiving: the host's exception goes on as it was
    }
    return !alive.isNull();
  };
  try {
    link_.receive(bytesOf(input), raiseOnComm);
  } catch (const std::exception& error) {
    // A reply that cannot be written, say.
    port_->setCommEvent(vx::kComEventIoError, QString::fromStdString(error.what()));
    emit CommError(vx::kComEventIoError, port_->lastEventDescription());
  }
  if (hostFailure) std::rethrow_exception(hostFailure);
}
