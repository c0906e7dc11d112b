// The time zones of the browser's Intl API, for the address's `tz`: which
// names it knows, and a zone's offset from Universal Time at an instant.
mergeInto(LibraryManager.library, {
  $zones: {
    formats: {},  // by zone name; null for a name the browser does not know

    // A format that writes a zone's offset ("GMT+05:30", "GMT-04:56:02", "GMT").
    format: function (name) {
      if (!Object.prototype.hasOwnProperty.call(zones.formats, name)) {
        try {
          zones.formats[name] = new Intl.DateTimeFormat('en-US', {
            timeZone: name,
            timeZoneName: 'longOffset',
          });
        } catch (error) {
          zones.formats[name] = null;
        }
      }
      return zones.formats[name];
    },
  },

  js_known_zone__deps: ['$zones', '$page', 'malloc'],
  js_known_zone: function (name) {
    var format = zones.format(UTF8ToString(name));
    return format === null ? 0 : page.copyToHeap(format.resolvedOptions().timeZone, 0);
  },

  js_local_zone__deps: ['$page', 'malloc'],
  js_local_zone: function () {
    return page.copyToHeap(new Intl.DateTimeFormat().resolvedOptions().timeZone, 0);
  },

  js_zone_names__deps: ['$page', 'malloc'],
  js_zone_names: function () {
    var names = Intl.supportedValuesOf ? Intl.supportedValuesOf('timeZone') : [];
    return page.copyToHeap(names.join('\n'), 0);
  },

  // [seconds, east positive] at an instant [seconds since 1970-01-01 00:00 UT].
  js_zone_offset__deps: ['$zones'],
  js_zone_offset: function (name, unixSeconds) {
    var format = zones.format(UTF8ToString(name));
    var parts = format.formatToParts(new Date(unixSeconds * 1000));
    var written = parts.find(function (part) {
      return part.type === 'timeZoneName';
    }).value;
    var offset = /([+-])(\d+)(?::(\d+))?(?::(\d+))?/.exec(written);
    if (offset === null) return 0;
    var seconds = Number(offset[2]) * 3600 + Number(offset[3] || 0) * 60 + Number(offset[4] || 0);
    return offset[1] === '-' ? -seconds : seconds;
  },
});
