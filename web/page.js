// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT

// The page's half of the window, run at the head of the module's script: it
// places the eleven objects from the layout table compiled into the module,
// hands the word list and the output across, and routes clicks to the
// engine's actions. Text fields keep LF line breaks; the engine gets and gives
// CR LF, in UTF-8.

var pageOutputEditedSinceShown = false;

function pageObject(name) {
    return document.getElementById(name);
}

function pageText(pointer, length) {
    return new TextDecoder().decode(HEAPU8.subarray(pointer, pointer + length));
}

function pageDisplayed(crLfText) {
    return crLfText.replace(/\r\n/g, '\n');
}

function pageWordList() {
    return pageObject('Text1').value.replace(/\n/g, '\r\n');
}

function pageScrollToStart(field) {
    field.scrollTop = 0;
    field.scrollLeft = 0;
}

// Text2 is an editable block rather than a textarea: a textarea lays out its
// whole text again on every change, some 100 ms at a thousand verses, while
// a block of its own for each new part leaves the earlier ones as they were
// laid out. Its text is the parts in a row; the program never reads it.
function pageShowOutput(text, appendOnly) {
    var output = pageObject('Text2');
    var part = document.createElement('div');
    part.textContent = pageDisplayed(text);
    if (appendOnly) {
        output.append(part);
    } else {
        output.replaceChildren(part);
    }
    // The caret and the view go to the start, as after any replaced text in
    // the Qt window; the focus stays where it is.
    if (document.activeElement === output) {
        getSelection().collapse(output, 0);
    }
    pageScrollToStart(output);
    pageOutputEditedSinceShown = false;
}

function pageShowWordList(text) {
    var wordList = pageObject('Text1');
    wordList.value = pageDisplayed(text);
    wordList.setSelectionRange(0, 0);
    pageScrollToStart(wordList);
}

function pageFontStack(object) {
    var quoted = object.families.map(function (family) { return '"' + family + '"'; });
    return quoted.concat(object.generic).join(', ');
}

// Qt sets the information text's lines with the baseline at four fifths of the
// line from its top; a browser centres the face's taller ascent and descent on
// the line instead, which puts the baseline a pixel lower, and the window's
// bottom edge then cuts the descenders of the last line. The same faces with
// an ascent and descent of four and one fifth of the type size put the
// baseline where Qt does.
function pageFontStackAsQtSetsLines(object) {
    var name = object.name + ' lines';
    var faces = object.families.map(function (family) { return 'local("' + family + '")'; });
    document.fonts.add(new FontFace(name, faces.join(', '),
        { ascentOverride: '80%', descentOverride: '20%', lineGapOverride: '0%' }));
    return '"' + name + '", ' + object.generic;
}

function pagePlace(layout) {
    var window = pageObject('Wumpel');
    window.style.width = layout.width + 'px';
    window.style.height = layout.height + 'px';
    window.style.backgroundColor = layout.background;
    layout.objects.forEach(function (object) {
        var style = pageObject(object.name).style;
        style.left = object.left + 'px';
        style.top = object.top + 'px';
        style.width = object.width + 'px';
        style.height = object.height + 'px';
        style.fontFamily = object.name === 'Text3' ? pageFontStackAsQtSetsLines(object)
                                                   : pageFontStack(object);
        style.fontSize = object.pixelSize + 'px';
        style.fontWeight = object.bold ? '700' : '400';
        if (object.background !== null) {
            style.backgroundColor = object.background;
        }
    });
    layout.objects.forEach(pageShowStartText);
}

// Text2 gets its start text from the engine's side, which then knows what
// the field shows.
function pageShowStartText(object) {
    var element = pageObject(object.name);
    if (object.name === 'Text2') {
        return;
    }
    if (element instanceof HTMLTextAreaElement || element instanceof HTMLInputElement) {
        element.value = pageDisplayed(object.text);
    } else {
        element.textContent = object.text;
    }
}

// The second click of a double-click starts nothing, as in the Qt window. The
// browser counts clicks in a row in detail: 1 and 2 are a double-click, and a
// third click starts a new pair, as Qt takes it. A tap's click counts the
// taps in a row the same way. A click without a mouse (detail 0) counts.
function pageOnClick(name, action) {
    pageObject(name).addEventListener('click', function (event) {
        if (event.detail === 0 || event.detail % 2 === 1) {
            action();
        }
    });
}

function pageStart() {
    pagePlace(JSON.parse(UTF8ToString(_wumpelLayout())));
    _wumpelOpen();
    var seed = new URLSearchParams(location.search).get('seed');
    if (seed !== null && !ccall('wumpelUseSeed', 'boolean', ['string'], [seed])) {
        console.warn("seed=" + seed + " is no whole number from 0 to 18446744073709551615; " +
                     "the verses follow the clock");
    }
    // A press on a label leaves the focus where it is.
    document.querySelectorAll('.label').forEach(function (label) {
        label.addEventListener('mousedown', function (event) { event.preventDefault(); });
    });
    pageObject('Text2').addEventListener('input', function () {
        pageOutputEditedSinceShown = true;
    });
    pageOnClick('Übernehmen', _wumpelApplyWordList);
    pageOnClick('Label2', _wumpelStartNewText);
    pageOnClick('Label1', _wumpelAppendVerse);
    pageOnClick('Label3', function () { _wumpelLoadExample(1); });
    pageOnClick('Text4', function () { _wumpelLoadExample(2); });
    pageOnClick('Text5', function () { _wumpelLoadExample(3); });
    pageObject('Wumpel').hidden = false;
    pageObject('Text1').focus();
    performance.mark('wumpel-ready');
}

Module['onRuntimeInitialized'] = pageStart;
