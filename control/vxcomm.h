// SPDX-License-Identifier: MIT
// vxcomm: the receiver link control.
//
// It owns the serial port, wakes and initialises the receiver by
// itself, turns the receiver's binary messages into NMEA sentences, queues
// them and raises OnComm while sentences wait. A host places it on a window
// (it shows nothing), or creates it by its programmatic identifier
// "vx.vxcomm" (see control_loader.h), sets the position, time difference
// and port, switches DTREnable, RTSEnable and PortOpen on, and reads Idata
// on each OnComm.
//
// Every property and method is reachable by name through the meta-object,
// by dispatch id (dispatch.h) and through the late-binding interface
// (late_binding.h), which converts values as the component runtime does. Failures raise vx::Error. Every
// successful property write ends with PropertyChanged naming the property.
// Every write of PortOpen, opening or closing, resets the exchange: the
// queue is emptied and the receiver is woken and initialised anew.
//
// A host may destroy the control from its own OnComm handler.
#pragma once

#include <QWidget>

#include "control/core/date_time.h"
#include "control/core/receiver_link.h"
#include "control/host/late_binding.h"
#include "control/vxcomm_interface.h"

namespace vx {
class PropertyBag;
class SerialPortService;
}  // namespace vx

class vxcomm : public QWidget, public vx::_vxcomm, public vx::LateBinding {
  Q_OBJECT
  Q_INTERFACES(vx::_vxcomm vx::LateBinding)
  Q_CLASSINFO("ProgId", "vx.vxcomm")
  Q_CLASSINFO("DefaultEvent", "OnComm")
  // Only the stored settings make sense in a design environment.
  Q_PROPERTY(short CommEvent READ CommEvent DESIGNABLE false)
  Q_PROPERTY(QString Odata READ writeOnly WRITE setOdata STORED false DESIGNABLE false)
  Q_PROPERTY(QString Idata READ Idata STORED false DESIGNABLE false)
  Q_PROPERTY(short CommPort READ CommPort WRITE setCommPort STORED false DESIGNABLE false)
  Q_PROPERTY(short PortOpen READ PortOpen WRITE setPortOpen STORED false DESIGNABLE false)
  Q_PROPERTY(bool DTREnable READ DTREnable WRITE setDTREnable STORED false DESIGNABLE false)
  Q_PROPERTY(bool RTSEnable READ RTSEnable WRITE setRTSEnable STORED false DESIGNABLE false)
  Q_PROPERTY(QString Latitude READ Latitude WRITE setLatitude)
  Q_PROPERTY(QString Longitude READ Longitude WRITE setLongitude)
  Q_PROPERTY(QString LatHemisphere READ LatHemisphere WRITE setLatHemisphere)
  Q_PROPERTY(QString LongHemisphere READ LongHemisphere WRITE setLongHemisphere)
  // A 16-bit integer (the accessors take short); an int to the meta-object,
  // whose users (Qt Designer, .ui files) know no short.
  Q_PROPERTY(int TimeZone READ TimeZone WRITE setTimeZone)
  Q_PROPERTY(bool SatellitesInView READ SatellitesInView WRITE setSatellitesInView)

 public:
  explicit vxcomm(QWidget* parent = nullptr);
  ~vxcomm() override;

  Q_INVOKABLE QVariant addmsg(const QString& str) override;
  Q_INVOKABLE QString getmsg() override;
  Q_INVOKABLE double cvdi(const QByteArray& mys) override;
  Q_INVOKABLE double cvti(const QByteArray& mys) override;
  Q_INVOKABLE double cvudi(const QByteArray& mys) override;
  Q_INVOKABLE double cvi(const QByteArray& mys) override;
  Q_INVOKABLE double cvui(const QByteArray& mys) override;
  Q_INVOKABLE double crad(double degree) override;
  Q_INVOKABLE double cdeg(double rads) override;
  Q_INVOKABLE double cfeet(double meters) override;

  short CommEvent() const override;
  void setOdata(const QString& item) override;
  QString Idata() override;
  short CommPort() const override;
  void setCommPort(short NewPort) override;
  short PortOpen() const override;  // -1 open, 0 closed
  void setPortOpen(short OpenVal) override;
  bool DTREnable() const override;
  void setDTREnable(bool Value) override;
  bool RTSEnable() const override;
  void setRTSEnable(bool Value) override;
  QString Latitude() const override;
  void setLatitude(const QString& Value) override;
  QString Longitude() const override;  // general number form: "071.25000" reads "71.25"
  void setLongitude(const QString& Value) override;  // not a number: error 13, value kept
  QString LatHemisphere() const override;
  void setLatHemisphere(const QString& Value) override;
  QString LongHemisphere() const override;
  void setLongHemisphere(const QString& Value) override;
  // Hours to add to local time to get UTC. One that is the clock's own
  // difference when it is set gives the receiver the clock's exact UTC (a
  // half-hour zone, summer time that begins before the wake); any other is
  // added to the local time.
  short TimeZone() const override;
  void setTimeZone(short Value) override;
  // Whether the $GPGSV group of the satellites in view follows each
  // $GPGSA; off by default, so that a host sees the stream it always saw.
  bool SatellitesInView() const override;
  void setSatellitesInView(bool Value) override;

  int32_t dispatchIdOf(const QString& name) const override;
  QVariant invoke(int32_t dispatchId, vx::DispatchKind kind, const QVariantList& arguments) override;

  // Persistence of the stored settings, in this order: Latitude,
  // LatHemisphere, Longitude, LongHemisphere, TimeZone, SatellitesInView.
  void InitProperties();
  void ReadProperties(vx::PropertyBag& bag);
  void WriteProperties(vx::PropertyBag& bag) const;

  // The local clock that the wake reply reads; the system's by default.
  // TimeZone is weighed against it from then on, as if set anew.
  void setLocalClock(vx::LocalClock clock);

  // Instances alive in this process; the plugin may unload at none.
  static int liveInstances();

  // What a design environment shows of the control on a form; at run time
  // the control hides itself.
  QSize sizeHint() const override { return {32, 32}; }

 signals:
  void OnComm();
  void PropertyChanged(const QString& name);
  // The serial port reported an error event (the device went away, say);
  // CommEvent holds its code. PortOpen then reads 0.
  void CommError(short event, const QString& description);
  // The control wrote to the receiver on its own: the wake reply or the
  // initialisation message. Emitted from inside the receive path: a handler
  // must not destroy the control here (OnComm is the place for that).
  void Transmitted(const QByteArray& bytes);

 private:
  QString writeOnly() const { return {}; }
  void paintEvent(QPaintEvent* event) override;
  void Initialize();
  void onPortEvent();
  // One read through the receive path, OnComm raised as sentences wait.
  void receiveInput(const QByteArray& input);
  void writeToReceiver(std::string_view bytes);
  // Notes the clock's offset for the TimeZone just set, whichever way it was
  // set: a TimeZone that is the clock's own difference now gets the exact
  // UTC at the wake, whatever the clock does meanwhile.
  void noteClockForTimeZone();

  vx::SerialPortService* port_;  // a child: created and destroyed with the control
  vx::LocalClock clock_;
  vx::ReceiverLink link_;
};
