// The native session player, run on a script: its report blocks and its
// picture, to compare the page with.
'use strict';

const {execFileSync} = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const {decodePng} = require('./png');

function player() {
  const replay = process.env.PASTURA_REPLAY;
  if (!replay) {
    throw new Error('PASTURA_REPLAY must name the native pastura-replay');
  }
  return replay;
}

// The blocks the player prints, one per tick: {tick, lines, iterations}.
function report(script, options = []) {
  const out = execFileSync(player(), [...options, '-e', script], {encoding: 'utf8'});
  const blocks = [];
  for (const line of out.split('\n')) {
    if (line.startsWith('tick ')) {
      blocks.push({tick: Number(line.slice(5)), lines: [], iterations: null});
    } else if (line.startsWith('iterations ')) {
      blocks.at(-1).iterations = line.slice(11);
    } else if (line !== '') {
      blocks.at(-1).lines.push(line);
    }
  }
  return blocks;
}

// The window's picture after the script: {width, height, rgba}; with
// `output` '--chart', the population chart's.
function picture(script, options = [], output = '--png') {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'pastura-web-'));
  try {
    const file = path.join(folder, 'picture.png');
    execFileSync(player(), [...options, output, file, '-e', script], {stdio: 'ignore'});
    return decodePng(fs.readFileSync(file));
  } finally {
    fs.rmSync(folder, {recursive: true, force: true});
  }
}

// Whether the player takes `value` as its --seed: it runs, or refuses the
// value with its usage error (exit status 2).
function takesSeed(value) {
  try {
    execFileSync(player(), ['--seed', value, '-e', 'tick'], {stdio: 'ignore'});
    return true;
  } catch (error) {
    if (error.status === 2) {
      return false;
    }
    throw error;
  }
}

module.exports = {report, picture, takesSeed};
