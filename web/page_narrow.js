// The window's controls grouped for narrow screens. As it is made, each input
// is put in a field of its own inside a group, a run of inputs of one kind in
// the document's order (the date boxes, the site list, the directions, the
// display options, ...). Once the narrow layout is first in force, a caption
// joins the field of the input it names or whose choice it shows, on the side
// where it stands in the window. No input ever moves, so that a change of
// layout keeps the focus, the typed text and its selection. On a wide screen
// groups and fields make no boxes and every control stands at its window
// place; on a narrow one they flow under the chart (index.html).
mergeInto(LibraryManager.library, {
  $narrow: {
    group: null,  // the group of the last input
    fields: [],  // {field, element, box} of every input
    loose: [],  // {element, box} of the captions in no field yet
    active: false,  // the narrow layout is in force
    gathering: false,  // a gathering of the captions is due before the next frame

    // Given: an element of page.elements and its box [window pixels].
    add: function (element, box) {
      var frame = document.getElementById('window');
      // The box's size, for the narrow layout's widths and heights.
      element.root.style.setProperty('--width', String(box.width));
      element.root.style.setProperty('--height', String(box.height));
      if (element.kind === 'label') {
        frame.appendChild(element.root);
        narrow.loose.push({element: element, box: box});
        return;
      }
      if (narrow.group === null || narrow.group.dataset.kind !== element.kind) {
        narrow.group = document.createElement('div');
        narrow.group.className = 'group';
        narrow.group.dataset.kind = element.kind;
        frame.appendChild(narrow.group);
      }
      var field = document.createElement('div');
      field.className = 'field';
      field.appendChild(element.root);
      narrow.group.appendChild(field);
      narrow.fields.push({field: field, element: element, box: box});
    },

    // Given: whether the page is now laid out for a narrow screen.
    follow: function (narrowed) {
      narrow.active = narrowed;
      if (narrowed) narrow.gatherCaptions();
    },

    // A caption got a text: it may now name an input, once the page has
    // finished setting the controls.
    captionChanged: function (element) {
      if (!narrow.active || narrow.gathering || !narrow.loose.some(function (loose) {
        return loose.element === element;
      })) {
        return;
      }
      narrow.gathering = true;
      window.requestAnimationFrame(narrow.gatherCaptions);
    },

    // The input a caption belongs to: the box or list it names, or the list
    // whose chosen item it shows.
    owner: function (text) {
      return narrow.fields.find(function (input) {
        var control = input.element.control;
        if (control.getAttribute('aria-label') === text) return true;
        var chosen = input.element.kind === 'list' ? control.selectedOptions[0] : undefined;
        return chosen !== undefined && chosen.textContent === text;
      });
    },

    gatherCaptions: function () {
      narrow.gathering = false;
      narrow.loose = narrow.loose.filter(function (loose) {
        var owner = loose.element.text ? narrow.owner(loose.element.text) : undefined;
        if (owner === undefined) return true;
        var caption = loose.box;
        var input = owner.box;
        var above = caption.top + caption.height <= input.top + 1 &&
            caption.left < input.left + input.width;
        var before = above || caption.left < input.left;
        if (above) owner.field.classList.add('above');
        owner.field.insertBefore(loose.element.root, before ? owner.element.root : null);
        return false;
      });
    },
  },
});
