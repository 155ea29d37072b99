// SPDX-License-Identifier: MIT
// _vxcomm: the typed interface of the control vxcomm, in the slot order of
// its dispatch interface (each property's read accessor before its write
// accessor). A host that holds only a QObject gets it with
// qobject_cast<vx::_vxcomm*>; late-bound hosts use the meta-object or the
// dispatch ids of type_library.h instead.
//
// Byte text (the codecs' `mys`) is a QByteArray: one byte per element.
#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <QtPlugin>

namespace vx {

class _vxcomm {
 public:
  virtual ~_vxcomm() = default;

  virtual QVariant addmsg(const QString& str) = 0;
  virtual QString getmsg() = 0;
  virtual double cvdi(const QByteArray& mys) = 0;
  virtual double cvti(const QByteArray& mys) = 0;
  virtual double cvudi(const QByteArray& mys) = 0;
  virtual double cvi(const QByteArray& mys) = 0;
  virtual double cvui(const QByteArray& mys) = 0;
  virtual double crad(double degree) = 0;
  virtual double cdeg(double rads) = 0;
  virtual double cfeet(double meters) = 0;
  virtual short CommEvent() const = 0;
  virtual void setOdata(const QString& item) = 0;
  virtual QString Idata() = 0;
  virtual short CommPort() const = 0;
  virtual void setCommPort(short NewPort) = 0;
  virtual short PortOpen() const = 0;
  virtual void setPortOpen(short OpenVal) = 0;
  virtual bool DTREnable() const = 0;
  virtual void setDTREnable(bool Value) = 0;
  virtual bool RTSEnable() const = 0;
  virtual void setRTSEnable(bool Value) = 0;
  virtual QString Latitude() const = 0;
  virtual void setLatitude(const QString& Value) = 0;
  virtual QString Longitude() const = 0;
  virtual void setLongitude(const QString& Value) = 0;
  virtual QString LatHemisphere() const = 0;
  virtual void setLatHemisphere(const QString& Value) = 0;
  virtual QString LongHemisphere() const = 0;
  virtual void setLongHemisphere(const QString& Value) = 0;
  virtual short TimeZone() const = 0;
  virtual void setTimeZone(short Value) = 0;
  virtual bool SatellitesInView() const = 0;
  virtual void setSatellitesInView(bool Value) = 0;
};

#define VX_VXCOMM_INTERFACE_IID "org.kestrune.vx._vxcomm/1.0"
}  // namespace vx

Q_DECLARE_INTERFACE(vx::_vxcomm, VX_VXCOMM_INTERFACE_IID)
